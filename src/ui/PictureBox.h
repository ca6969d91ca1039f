#pragma once

#include <QImage>
#include <QWidget>

namespace zindo {

/// A picture control: shows its picture centred, scaled down to fit with its
/// proportions kept (Proportional), or at its own size (not Proportional).
class TPictureBox : public QWidget {
public:
    explicit TPictureBox(QWidget* Parent = nullptr, bool AProportional = true);

    void SetPicture(const QImage& APicture);
    const QImage& Picture() const { return FPicture; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QImage FPicture;           ///< what is shown; empty = nothing
    bool Proportional = true;  ///< scale to fit keeping proportions
};

} // namespace zindo
