#pragma once
// The print preview's drawing surface: the shown pages as white sheets with a thin border and a
// shadow on a grey ground, each page drawn by the document at the layout's scale.

#include "print/preview_state.h"

#include <QWidget>

namespace zm {

class PrintDocument;

class PreviewCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit PreviewCanvas(QWidget* parent = nullptr);

    // The document is not owned; null draws blank sheets.
    void SetDocument(const PrintDocument* document) { document_ = document; }
    // Takes the layout's canvas size and repaints.
    void SetLayout(PreviewLayout layout);
    const PreviewLayout& Layout() const { return layout_; }

signals:
    // A left click on shown sheet `index` at `where` (0 to 1 across and down the sheet), from
    // `point` on the canvas.
    void sheetClicked(int index, QPointF where, QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect SheetRect(const PreviewSheet& sheet) const;

    const PrintDocument* document_ = nullptr;
    PreviewLayout layout_;
};

} // namespace zm
