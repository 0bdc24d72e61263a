#pragma once

#include "modelos/fluxo/Objeto.h"

#include <QString>

namespace plataforma::relatorio {

class Report;

enum class Orientation { Portrait, Landscape };

// Margins in thousandths of a millimetre.
struct MmMargins {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;

    bool operator==(const MmMargins&) const = default;
};

// The page setup of a report (its PrinterSetup properties). The paper's width and height are
// those of the page as printed: a landscape template stores a width greater than its height.
class PrinterSetup {
public:
    PrinterSetup(const Report& report, fluxo::Objeto& object)
        : m_report(&report), m_object(&object) {}

    QString printerName() const;
    void setPrinterName(const QString& name);
    QString binName() const;
    void setBinName(const QString& name);
    QString documentName() const;
    void setDocumentName(const QString& name);
    QString paperName() const;
    void setPaperName(const QString& name);
    // The Windows paper code (9 for A4).
    int paperSize() const;
    void setPaperSize(int code);
    Orientation orientation() const;
    void setOrientation(Orientation orientation);
    bool collation() const;
    void setCollation(bool collation);

    int mmPaperWidth() const;
    void setMmPaperWidth(int thousandths);
    int mmPaperHeight() const;
    void setMmPaperHeight(int thousandths);
    MmMargins margins() const;
    void setMargins(const MmMargins& margins);

    // In the report's units, single precision.
    float paperWidth() const;
    void setPaperWidth(float width);
    float paperHeight() const;
    void setPaperHeight(float height);

private:
    const Report* m_report;
    fluxo::Objeto* m_object;
};

} // namespace plataforma::relatorio
