#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QStyle;
class QWidget;

// Building blocks shared by the windows. Layouts are given in twips; 15 twips make one
// device-independent pixel.

// Rounded to the nearest pixel.
constexpr int tw(int twips) { return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30); }
inline QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

namespace Look
{

inline const QColor dark{58, 58, 58};
inline const QColor band{64, 64, 64};
inline const QColor lilac{192, 192, 255};
inline const QColor buttonFace{224, 224, 224};
inline const QColor white{255, 255, 255};

// Verdana, which fontconfig replaces by DejaVu Sans where it is not installed.
QFont verdana(double points, bool bold = false, bool underline = false);

void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);

// A borderless panel filled with one colour.
QWidget* panel(QWidget* parent, const char* name, const QRect& rect, const QColor& colour);

enum LabelSize { FixedWrapped, GrowsToFit };
// A transparent label. A fixed label wraps its text at word boundaries; one that grows
// keeps its top left corner and takes the size of its text.
QLabel* label(QWidget* parent, const char* name, const QRect& rect, const QString& text, const QColor& colour,
              const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
              LabelSize size = FixedWrapped);

// The size of a text on one line, as a label that does not wrap takes it.
QSize oneLineSize(const QFontMetrics& metrics, Qt::Alignment alignment, const QString& text);
// Gives a label that does not wrap the size of its text, keeping its top left corner.
void growToFit(QLabel* label);

// A frame with its title in lilac.
QGroupBox* titledFrame(QWidget* parent, const char* name, const QRect& rect, const QString& title,
                       const QFont& font);

QPushButton* button(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                    const QColor& face, const QFont& font);

// The program's icon, loaded once for every window.
const QIcon& programIcon();

// The program's style: Fusion, whose colours the windows set.
QStyle* createStyle();

} // namespace Look
