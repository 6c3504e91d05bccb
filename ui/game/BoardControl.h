// A control of the game board that keeps its place in twips (so halves and the exact figures
// survive the conversion to pixels) and a background colour as the board stores it.
#pragma once

#include "game/Color.h"
#include "game/TwipGeometry.h"

#include <QWidget>

namespace kestrelink::ui {

class BoardControl : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, Sunken };

    BoardControl(int index, Border border, QWidget* parent);

    // Index within its control array.
    int index() const { return index_; }

    const TwipRect& twipRect() const { return twips_; }
    void setTwipRect(const TwipRect& rect);
    TwipPoint twipTopLeft() const { return {twips_.left, twips_.top}; }

    Color backColor() const { return backColor_; }
    void setBackColor(Color color);

    // A connector square: with the colour-symbol aid on, its colour's symbol is painted on it.
    void setCarriesColorSymbol(bool carries) { carriesColorSymbol_ = carries; }

    // A disabled board control takes no input: presses, moves and drops go to whatever lies
    // beneath it, as the board's rules expect (Qt alone would hand them to the parent).
    void setPassesInputThrough(bool passes);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Drawn over the background, inside the border.
    virtual void paintContent(QPainter& painter, const QRectF& inside);

private:
    int index_;
    Border border_;
    TwipRect twips_;
    Color backColor_ = kButtonFace;
    bool carriesColorSymbol_ = false;
};

} // namespace kestrelink::ui
