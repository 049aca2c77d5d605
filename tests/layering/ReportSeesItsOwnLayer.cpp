// Compiled with the report library's view of src/: its own headers are there.
#include "report/ReportTemplate.h"

int main() {
    return ReportTemplate::DetailHeaderRows == 2 ? 0 : 1;
}
