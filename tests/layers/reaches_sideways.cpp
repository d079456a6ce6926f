// The result window reaching for the entry window: must not compile.
#include "entry/FrmMain.h"
