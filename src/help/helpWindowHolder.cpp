#include "help/helpWindowHolder.h"

#include "help/frmHelp.h"

helpWindowHolder::helpWindowHolder(clsAppContext& ctx) : ctx_(ctx) {}
helpWindowHolder::~helpWindowHolder() = default;

void helpWindowHolder::showModal(QWidget* opener) {
    if (!window_) window_ = std::make_unique<frmHelp>(ctx_, opener);
    window_->exec();
}
