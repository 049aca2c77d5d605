// Compiled with the report library's view of src/: the retrieval layer above it is not there,
// so this include must fail.
#include "report/ReportTemplate.h"
#include "retrieval/RowText.h"

int main() {
    return 0;
}
