#pragma once

#include <QIcon>
#include <QList>
#include <QRect>
#include <QWidget>

class QPainter;

// Pages stacked one above the other, each under an 18-pixel header with its title. One page is
// open at a time: the headers up to it sit at the top, the headers after it at the bottom, and
// the open page fills the space between. Clicking a header opens its page.
class CCoolTabCtrl : public QWidget
{
    Q_OBJECT
public:
    static constexpr int HeaderHeight = 18;

    explicit CCoolTabCtrl(QWidget* parent = nullptr);

    // Takes the page as a child; false when no page is given.
    bool AddPage(QWidget* page, const QString& title, const QIcon& icon = QIcon());
    void SelectPage(int index);

    int PageCount() const { return int(m_pages.size()); }
    int CurrentPage() const { return m_current; }
    QWidget* Page(int index) const { return m_pages.at(index).window; }
    QString PageTitle(int index) const { return m_pages.at(index).title; }
    QRect HeaderRect(int index) const { return m_pages.at(index).header; }
    QRect ClientRect() const { return m_client; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct PageRecord
    {
        QWidget* window;
        QString title;
        QIcon icon;
        bool pressed = false;
        QRect header;
    };

    void LayOut();
    int HeaderAt(const QPoint& point) const;
    void PaintHeader(QPainter& painter, const PageRecord& page) const;

    QList<PageRecord> m_pages;
    int m_current = 0;
    int m_pressedHeader = -1;
    QRect m_client;
    QFont m_headerFont;
};
