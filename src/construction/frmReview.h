#pragma once
#include <QDialog>

#include "shell/clsAppContext.h"

// Placeholder until the real window lands.
class frmReview : public QDialog {
    Q_OBJECT
public:
    frmReview(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    clsAppContext& ctx_;
};
