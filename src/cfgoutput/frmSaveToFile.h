#pragma once
#include <QDialog>

#include "shell/clsAppContext.h"

// Placeholder until the real window lands.
class frmSaveToFile : public QDialog {
    Q_OBJECT
public:
    frmSaveToFile(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    clsAppContext& ctx_;
};
