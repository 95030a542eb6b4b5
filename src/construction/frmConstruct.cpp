#include "construction/frmConstruct.h"

frmConstruct::frmConstruct(clsAppContext& ctx, helpWindowHolder& help, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), help_(help) {
    setObjectName("frmConstruct");
}
