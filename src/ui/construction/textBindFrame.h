// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/binds/clsBindKind.h"

class QComboBox;
class QLabel;
class chatPreviewBar;
class stylePainter;
class twipsLayout;
struct clsAppContext;

namespace Ui {
class textBindFrame;
}

// The frame that builds a key's chat text piece by piece: the text line, the
// colour pattern (how many colours, which, how many characters each lasts),
// adding to the front or the back, undo, OSP tokens, done and cancel. The
// chat preview strip under the frame shows the line as the game will.
//
// Control names are the object names, designed in textBindFrame.ui. The eight
// colour rows are "cboColor0".."cboColor7" and "lblColor0".."lblColor7" (row
// k is captioned "Pattern Color # k+1:"): the form holds row 0; set-up makes
// rows 1 to 7 as its copies.
class textBindFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit textBindFrame(QWidget* parent = nullptr);
    ~textBindFrame() override;

    // Joins the frame to the program, to its window's layout and to the
    // preview strip, and makes the colour rows. Called once, first.
    void setUp(clsAppContext& ctx, twipsLayout& layout, chatPreviewBar* preview);
    // Hidden, at its smallest height, every list refilled with nothing
    // picked, nothing typed, the preview hidden.
    void reset();
    // Shown for building the bind of key, of a chat kind.
    void start(const std::string& key, clsBindKind kind);
    void paint(stylePainter& paint, const QFont& face);
    // The controls that take the focus, in tab order.
    std::vector<QWidget*> tabChain() const;

    void cmdTextCancel_Click();

signals:
    // Done, or Cancel answered Yes: the window goes back to key selection.
    void finished();
    // The colour rows shown changed the frame's height.
    void resized();

private:
    static constexpr int colorRows = 8;

    void createColorRow(int k);
    void showPatternColors(std::int16_t n);
    void showBindCode();
    void tellRefusal();
    void showRefused(const QString& removed);
    void fillColorRow(int k);
    void learnSwatches();
    QIcon swatchIcon(int index);

    void cboColors_Click();
    void chkAddToFront_Click();
    void cmdTextAdd_Click();
    void cmdTextUndo_Click();
    void cmdTextDone_Click();
    void cmdTextOsp_Click();

    clsAppContext* ctx_ = nullptr;
    twipsLayout* layout_ = nullptr;
    chatPreviewBar* chatPreview = nullptr;

    std::string currentKey;
    clsBindKind currentKind = clsBindKind::say;
    std::int16_t colorCount = 0;
    bool addToFront = false;

    // The swatch (game colour 0 to 7, -1 none) of each colour name.
    QHash<QByteArray, int> colorSwatch_;
    std::array<QIcon, 8> swatchIcons_;
    // Colour row 0 (lblColor0, cboColor0) and set-up's copies of it.
    std::array<QLabel*, colorRows> lblColor{};
    std::array<QComboBox*, colorRows> cboColor{};

    // The controls, designed in textBindFrame.ui.
    std::unique_ptr<Ui::textBindFrame> ui;
};
