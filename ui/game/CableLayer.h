// The cables: line segments painted over the labels and beneath the connectors, 4 pixels wide.
// Each segment has its own end points (twips) and colour and changes on its own.
#pragma once

#include "game/Color.h"
#include "game/Numbering.h"
#include "game/TwipGeometry.h"

#include <QWidget>
#include <vector>

namespace kestrelink::ui {

class CableLayer : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLineWidth = 4;

    explicit CableLayer(QWidget* parent);

    int segmentCount() const { return static_cast<int>(segments_.size()); }
    // New segments start hidden, black, at the origin.
    void setSegmentCount(int count);

    const TwipLine& line(int i) const { return at(segments_, i).line; }
    void setLine(int i, const TwipLine& line);

    Color color(int i) const { return at(segments_, i).color; }
    void setColor(int i, Color color);

    bool isSegmentVisible(int i) const { return at(segments_, i).visible; }
    void setSegmentVisible(int i, bool visible);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Segment {
        TwipLine line;
        Color color = kBlack;
        bool visible = false;
    };
    QRect footprint(const Segment& segment) const;

    std::vector<Segment> segments_;
};

} // namespace kestrelink::ui
