#pragma once
// The few drawing steps that the views and the tools' marks share, with the pixel rules they
// rely on: rectangles are given as left, top, right, bottom with right and bottom exclusive,
// and text is written with its top-left corner at the given point, black on an opaque white
// box (the paint surface's default text colours).

#include <QPainter>
#include <QPoint>
#include <QString>

#include <utility>
#include <vector>

struct PixelRect;

// A one-pixel border lying inside the rectangle; an empty rectangle draws nothing.
void FrameRect(QPainter& painter, const PixelRect& rect, const QColor& colour);
// Fills the rectangle with one colour.
void FillRect(QPainter& painter, const PixelRect& rect, const QColor& colour);
// A line from `from` up to, but not including, `to`, with the painter's pen.
void DrawLine(QPainter& painter, QPoint from, QPoint to);
// Writes one line of text with its top-left corner at `topLeft`.
void DrawTextAt(QPainter& painter, QPoint topLeft, const QString& text);
// The same for many texts, one after the other, with the font set up once.
void DrawTextsAt(QPainter& painter, const std::vector<std::pair<QPoint, QString>>& texts);
// White background with `text` centred on one line: the look of a view with no data.
void DrawNoDataMessage(QPainter& painter, const PixelRect& rect, const QString& text);
// The font of every label and message of the views.
QFont ViewFont();
