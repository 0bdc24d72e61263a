#include "plataforma/relatorio/Problems.h"

#include <algorithm>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

QString where(const Problem& problem) {
    const LabelPosition& at = problem.label;
    if (at.page < 0)
        return problem.row < 0 ? u"Todas as linhas"_s : u"Linha %1"_s.arg(problem.row + 1);
    QString text =
        u"Página %1, linha %2, coluna %3"_s.arg(at.page + 1).arg(at.row + 1).arg(at.column + 1);
    const QString product = (problem.productCode + u' ' + problem.description).trimmed();
    return product.isEmpty() ? text : text + u" ("_s + product + u')';
}

} // namespace

QString Problem::describe() const {
    return u"%1, %2: %3"_s.arg(where(*this), control, reason);
}

void ProblemList::add(Problem problem) {
    const LabelPosition& at = problem.label;
    const QString key = u"%1\n%2\n%3\n%4 %5 %6"_s.arg(problem.control, problem.data, problem.reason)
                            .arg(at.page)
                            .arg(at.row)
                            .arg(at.column);
    if (m_seen.contains(key))
        return;
    m_seen.insert(key);
    m_items.push_back(std::move(problem));
}

int labelsWithProblems(const std::vector<Problem>& problems, int labels) {
    QSet<QString> spoiled;
    for (const Problem& problem : problems) {
        const LabelPosition& at = problem.label;
        if (at.page >= 0)
            spoiled.insert(u"%1 %2 %3"_s.arg(at.page).arg(at.row).arg(at.column));
        else if (problem.row >= 0)
            spoiled.insert(u"linha %1"_s.arg(problem.row));
        else
            return labels;
    }
    return std::min(static_cast<int>(spoiled.size()), labels);
}

} // namespace plataforma::relatorio
