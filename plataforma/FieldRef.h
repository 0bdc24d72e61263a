#pragma once

#include <QAnyStringView>
#include <concepts>
#include <variant>

namespace plataforma {

// Names a field of a MemTable either by its position or by its name (compared
// without regard to case), so that callers can write table.asInteger("CQTDE")
// without building a QString for every access.
class FieldRef {
public:
    FieldRef(int index) : m_ref(index) {}
    template <typename Text>
    requires std::constructible_from<QAnyStringView, const Text&> FieldRef(const Text& name)
        : m_ref(QAnyStringView(name)) {}

    bool isIndex() const { return std::holds_alternative<int>(m_ref); }
    int index() const { return std::get<int>(m_ref); }
    QAnyStringView name() const { return std::get<QAnyStringView>(m_ref); }

private:
    std::variant<int, QAnyStringView> m_ref;
};

} // namespace plataforma
