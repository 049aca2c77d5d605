#include "desktop/ResultWindowPort.h"

// Out of line, so the interface's vtable lives in one object file.
ResultWindowPort::~ResultWindowPort() = default;
