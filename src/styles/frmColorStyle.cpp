#include "styles/frmColorStyle.h"

frmColorStyle::frmColorStyle(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) { setObjectName("frmColorStyle"); }
