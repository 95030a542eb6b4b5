#pragma once
#include <QDialog>

#include "shell/clsAppContext.h"

// Placeholder until the real window lands.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    frmHelp(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    clsAppContext& ctx_;
};
