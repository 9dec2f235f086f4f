#pragma once

#include <QColor>
#include <QComboBox>

namespace orvella {

// A colour picker: the sixteen standard colours by name, any other colour once chosen, and
// "Custom..." for the system colour dialog.
class ColourCombo : public QComboBox {
    Q_OBJECT

public:
    explicit ColourCombo(const QString& name, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

signals:
    void colourChanged(const QColor& colour);

private:
    void chosen(int index);
    int indexOf(const QColor& colour) const;

    QColor colour_;
    int customIndex_ = -1;
};

} // namespace orvella
