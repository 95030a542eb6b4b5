#pragma once
#include <QMainWindow>

#include "help/helpWindowHolder.h"
#include "shell/clsAppContext.h"

// Placeholder until the real window lands.
class frmConstruct : public QMainWindow {
    Q_OBJECT
public:
    frmConstruct(clsAppContext& ctx, helpWindowHolder& help, QWidget* parent = nullptr);

private:
    clsAppContext& ctx_;
    helpWindowHolder& help_;
};
