#include "construction/frmReview.h"

frmReview::frmReview(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) { setObjectName("frmReview"); }
