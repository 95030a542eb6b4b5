#pragma once
#include <QDialog>

#include "shell/clsAppContext.h"

// Placeholder until the real window lands.
class frmColorStyle : public QDialog {
    Q_OBJECT
public:
    frmColorStyle(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    clsAppContext& ctx_;
};
