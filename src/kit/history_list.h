#pragma once

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

// A hidden list control (List1, List2): a view over one list of the game's move history. It reads
// the game's own list, so it is always in step with it and holds no copy, however long it grows.
class HistoryList : public QWidget {
public:
    HistoryList(QWidget* parent, const std::vector<std::string>& items)
        : QWidget(parent)
        , m_items(items)
    {
    }

    int count() const { return static_cast<int>(m_items.size()); }
    QString item(int row) const { return QString::fromStdString(m_items.at(static_cast<std::size_t>(row))); }

private:
    const std::vector<std::string>& m_items;
};
