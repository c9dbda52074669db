// The help viewer's contents and index panes: filled from the help file's sitemaps, kept in
// step with the page, searched by keyword.
#include "help/ChmFile.h"
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"

#include <QListWidget>
#include <QTreeWidget>

#include <functional>

namespace swatchly::help {

void HelpViewer::fillContents()
{
    const std::function<void(const QList<ChmFile::SitemapEntry> &, QTreeWidgetItem *)> add =
        [&](const QList<ChmFile::SitemapEntry> &entries, QTreeWidgetItem *parent) {
            for (const auto &entry : entries) {
                auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
                item->setText(0, entry.name);
                if (!entry.local.isEmpty()) {
                    const QString object = m_file->objectFor(entry.local);
                    const qsizetype anchor = entry.local.indexOf(QLatin1Char('#'));
                    if (!object.isEmpty())
                        item->setData(0, TopicRole,
                                      anchor >= 0 ? object + entry.local.mid(anchor) : object);
                }
                add(entry.children, item);
            }
        };
    add(m_file->contents(m_contentsFile), nullptr);
    m_contents->expandAll();
}

void HelpViewer::fillIndex()
{
    const std::function<void(const QList<ChmFile::SitemapEntry> &, const QString &)> add =
        [&](const QList<ChmFile::SitemapEntry> &entries, const QString &indent) {
            for (const auto &entry : entries) {
                const QString object = m_file->objectFor(entry.local);
                if (!object.isEmpty()) {
                    auto *item = new QListWidgetItem(indent + entry.name, m_index);
                    const qsizetype anchor = entry.local.indexOf(QLatin1Char('#'));
                    item->setData(TopicRole,
                                  anchor >= 0 ? object + entry.local.mid(anchor) : object);
                }
                add(entry.children, indent + QStringLiteral("    "));
            }
        };
    add(m_file->index(m_indexFile), QString());
}

void HelpViewer::selectContentsEntry(const QUrl &url)
{
    const QString object = url.path();
    const QString withAnchor =
        url.hasFragment() ? object + QLatin1Char('#') + url.fragment() : object;
    QTreeWidgetItem *match = nullptr;
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        const QString topic = (*it)->data(0, TopicRole).toString();
        if (topic == withAnchor) {
            match = *it;
            break;
        }
        if (!match && topic == object)
            match = *it;
    }
    m_syncingContents = true;
    if (match)
        m_contents->setCurrentItem(match);
    else
        m_contents->clearSelection();
    m_syncingContents = false;
}

void HelpViewer::showFirstIndexMatch(const QString &text)
{
    for (int row = 0; row < m_index->count(); ++row) {
        if (m_index->item(row)->text().trimmed().startsWith(text.trimmed(), Qt::CaseInsensitive)) {
            m_index->setCurrentRow(row);
            m_index->scrollToItem(m_index->item(row), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

} // namespace swatchly::help
