#pragma once
#include <QMainWindow>

#include "platform/platformServices.h"

// Placeholder start screen until the real one lands.
class frmStart : public QMainWindow {
    Q_OBJECT
public:
    explicit frmStart(platformServices& services, QWidget* parent = nullptr);
};
