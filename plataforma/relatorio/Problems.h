#pragma once

#include <QSet>
#include <QString>
#include <vector>

namespace plataforma::relatorio {

// Where a label stands in a run: its page, and its row and column of labels on that page, each
// counted from 0. A page of -1 means no single label.
struct LabelPosition {
    int page = -1;
    int row = -1;
    int column = -1;

    bool operator==(const LabelPosition&) const = default;
};

// Something a report cannot print as it should: a control that prints nothing, or a label that
// would come out wrong (text cut at its box, a missing price, a control off the paper).
struct Problem {
    Problem() = default;
    // The first four as a problem of the run; the rest for one label's finding.
    Problem(int row, QString control, QString data, QString reason, LabelPosition label = {},
            QString productCode = {}, QString description = {})
        : row(row), control(std::move(control)), data(std::move(data)), reason(std::move(reason)),
          label(label), productCode(std::move(productCode)), description(std::move(description)) {}

    int row = -1;    // the 0-based data row where it showed first; -1 when it concerns every row
    QString control; // the control's name ("ppDBBarCode1")
    QString data;    // what could not be printed, or the field or pipeline missing
    QString reason;  // in Portuguese
    LabelPosition label; // the label it spoils, when it concerns one label
    QString productCode; // the label's product, as the application names it
    QString description;

    // One line for the operator: "Linha 3, ppDBBarCode1: Código de barras EAN-13 inválido...",
    // or for a label "Página 1, linha 2, coluna 1 (1001 DIPIRONA), ppDBText1: ...".
    QString describe() const;

    bool operator==(const Problem&) const = default;
};

// The problems of a run: each label's findings, and each problem that concerns no single label
// listed once however many labels it spoils.
class ProblemList {
public:
    void add(Problem problem);
    const std::vector<Problem>& items() const { return m_items; }
    bool isEmpty() const { return m_items.empty(); }

private:
    std::vector<Problem> m_items;
    QSet<QString> m_seen;
};

// How many of a run's labels come out wrong: each label with a finding once, and every label
// when a problem concerns them all.
int labelsWithProblems(const std::vector<Problem>& problems, int labels);

} // namespace plataforma::relatorio
