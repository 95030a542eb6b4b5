#pragma once
#include <QDialog>

#include "shell/clsAppContext.h"

// Placeholder until the real window lands.
class frmOSp : public QDialog {
    Q_OBJECT
public:
    frmOSp(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    clsAppContext& ctx_;
};
