#include "construction/frmOSp.h"

frmOSp::frmOSp(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) { setObjectName("frmOSp"); }
