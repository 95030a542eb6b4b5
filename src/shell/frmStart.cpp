#include "shell/frmStart.h"

frmStart::frmStart(platformServices&, QWidget* parent) : QMainWindow(parent) { setObjectName("frmStart"); }
