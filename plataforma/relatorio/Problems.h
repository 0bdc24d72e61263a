#pragma once

#include <QSet>
#include <QString>
#include <vector>

namespace plataforma::relatorio {

// Something a report could not print: the control printed nothing there and the run went on.
struct Problem {
    int row = -1;    // the 0-based data row where it showed first; -1 when it concerns every row
    QString control; // the control's name ("ppDBBarCode1")
    QString data;    // what could not be printed, or the field or pipeline missing
    QString reason;  // in Portuguese

    // One line for the operator: "Linha 3, ppDBBarCode1: Código de barras EAN-13 inválido...".
    QString describe() const;

    bool operator==(const Problem&) const = default;
};

// The problems of a run, each listed once however many labels it spoils.
class ProblemList {
public:
    void add(Problem problem);
    const std::vector<Problem>& items() const { return m_items; }
    bool isEmpty() const { return m_items.empty(); }

private:
    std::vector<Problem> m_items;
    QSet<QString> m_seen;
};

} // namespace plataforma::relatorio
