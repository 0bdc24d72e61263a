#pragma once

#include "modelos/fluxo/Objeto.h"
#include "plataforma/relatorio/Control.h"

#include <QString>
#include <optional>
#include <vector>

namespace plataforma::relatorio {

class Report;

// The bands a report may hold, in the order in which they appear in its layout.
enum class BandKind { Header, ColumnHeader, Detail, ColumnFooter, Footer };

// The class of a band kind ("TppDetailBand"), and the kind of a band class.
QString bandClassName(BandKind kind);
std::optional<BandKind> bandKindOfClass(QStringView className);

// How labels fill the columns: down each column first, or across each row first.
enum class ColumnTraversal { TopToBottom, LeftToRight };

// One band of a report, seen through its object in the report's template tree. A handle stays
// valid until the report's layout is replaced.
class Band {
public:
    Band(const Report& report, fluxo::Objeto& object, BandKind kind)
        : m_report(&report), m_object(&object), m_kind(kind) {}

    BandKind kind() const { return m_kind; }
    const QString& name() const { return m_object->nome; }

    // In the report's units, single precision, as code and the operator see it.
    float height() const;
    void setHeight(float height);
    int mmHeight() const;
    void setMmHeight(int thousandths);
    // Space left below each printing of the band.
    int mmBottomOffset() const;
    void setMmBottomOffset(int thousandths);

    // Detail band only.
    ColumnTraversal columnTraversal() const;
    void setColumnTraversal(ColumnTraversal traversal);

    // The band's controls in layout order, unknown classes included.
    std::vector<Control> controls() const;

private:
    const Report* m_report;
    fluxo::Objeto* m_object;
    BandKind m_kind;
};

} // namespace plataforma::relatorio
