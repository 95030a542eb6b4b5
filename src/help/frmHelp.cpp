#include "help/frmHelp.h"

frmHelp::frmHelp(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) { setObjectName("frmHelp"); }
