// A building block that reaches up to the program's quitting: must not compile.
#include "app/Program.h"
