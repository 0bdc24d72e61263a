#pragma once

#include <QImage>
#include <QWidget>

namespace plataforma::relatorio {

// One page of the preview, drawn on the desk with a shadow, centred.
class PageView : public QWidget {
    Q_OBJECT

public:
    explicit PageView(QWidget* parent = nullptr);

    // The page at the screen's resolution; a null image shows the desk alone.
    void setPage(const QImage& page);

    static constexpr int Margin = 16;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_page;
};

} // namespace plataforma::relatorio
