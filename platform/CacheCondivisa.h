#pragma once

#include <QHash>
#include <QString>

#include <cstddef>
#include <deque>
#include <memory>

// Objects costly to build (a parsed picture file) shared by key: whatever is
// in use is found through weak references, and the last few kept stay alive
// even when nothing uses them for a moment, as when one window closes and the
// next opens on the same files. (The rendered layers of a house, far larger,
// are kept by the windows that show them: see SvgParti.)
template <typename T, std::size_t Recenti>
class CacheCondivisa
{
public:
    std::shared_ptr<const T> trova(const QString &chiave) const { return m_inUso.value(chiave).lock(); }

    void conserva(const QString &chiave, const std::shared_ptr<const T> &oggetto)
    {
        m_inUso.insert(chiave, oggetto);
        m_recenti.push_back(oggetto);
        if (m_recenti.size() > Recenti)
            m_recenti.pop_front();
        for (auto it = m_inUso.begin(); it != m_inUso.end();)
            it = it->expired() ? m_inUso.erase(it) : std::next(it);
    }

private:
    QHash<QString, std::weak_ptr<const T>> m_inUso;
    std::deque<std::shared_ptr<const T>> m_recenti;
};
