#pragma once
#include <QDialog>

#include "ui_frmReview.h"
#include "ui/shell/clsAppContext.h"

// Shows every bound key with its kind and plain text, as the builder lists
// them. A fresh window is made for every opening, so it shows the binds as
// they are at that moment. Its controls are designed in frmReview.ui.
class frmReview : public QDialog, private Ui::frmReview {
    Q_OBJECT
public:
    frmReview(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    void Form_Load();
    void applyColorStyle();
    void cmdOk_Click();

    clsAppContext& ctx_;
};
