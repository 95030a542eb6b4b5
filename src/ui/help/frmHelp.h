#pragma once
#include <QDialog>

#include "ui_frmHelp.h"
#include "ui/shell/clsAppContext.h"

// The read-only help page. Its text and colours are set once, when it is
// made; afterwards it is only hidden and shown again (see helpWindowHolder).
// Its controls are designed in frmHelp.ui.
class frmHelp : public QDialog, private Ui::frmHelp {
    Q_OBJECT
public:
    frmHelp(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    void Form_Load();
    void fillHelpText();
    void applyColorStyle();
    void cmdOk_Click();

    clsAppContext& ctx_;
};
