#include "plataforma/relatorio/Problems.h"

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

QString Problem::describe() const {
    const QString where = row < 0 ? u"Todas as linhas"_s : u"Linha %1"_s.arg(row + 1);
    return u"%1, %2: %3"_s.arg(where, control, reason);
}

void ProblemList::add(Problem problem) {
    const QString key = problem.control + u'\n' + problem.data + u'\n' + problem.reason;
    if (m_seen.contains(key))
        return;
    m_seen.insert(key);
    m_items.push_back(std::move(problem));
}

} // namespace plataforma::relatorio
