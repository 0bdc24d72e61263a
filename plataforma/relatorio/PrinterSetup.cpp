#include "plataforma/relatorio/PrinterSetup.h"

#include "plataforma/relatorio/Properties.h"
#include "plataforma/relatorio/Report.h"

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;
namespace p = properties;

QString PrinterSetup::printerName() const {
    return p::text(*m_object, u"PrinterSetup.PrinterName");
}

void PrinterSetup::setPrinterName(const QString& name) {
    p::setText(*m_object, u"PrinterSetup.PrinterName"_s, name);
}

QString PrinterSetup::binName() const {
    return p::text(*m_object, u"PrinterSetup.BinName");
}

void PrinterSetup::setBinName(const QString& name) {
    p::setText(*m_object, u"PrinterSetup.BinName"_s, name);
}

QString PrinterSetup::documentName() const {
    return p::text(*m_object, u"PrinterSetup.DocumentName");
}

void PrinterSetup::setDocumentName(const QString& name) {
    p::setText(*m_object, u"PrinterSetup.DocumentName"_s, name);
}

QString PrinterSetup::paperName() const {
    return p::text(*m_object, u"PrinterSetup.PaperName");
}

void PrinterSetup::setPaperName(const QString& name) {
    p::setText(*m_object, u"PrinterSetup.PaperName"_s, name);
}

int PrinterSetup::paperSize() const {
    return static_cast<int>(p::integer(*m_object, u"PrinterSetup.PaperSize"));
}

void PrinterSetup::setPaperSize(int code) {
    p::setInteger(*m_object, u"PrinterSetup.PaperSize"_s, code);
}

Orientation PrinterSetup::orientation() const {
    return p::text(*m_object, u"PrinterSetup.Orientation") == "poLandscape"_L1
               ? Orientation::Landscape
               : Orientation::Portrait;
}

void PrinterSetup::setOrientation(Orientation orientation) {
    p::setIdentifier(*m_object, u"PrinterSetup.Orientation"_s,
                     orientation == Orientation::Landscape ? u"poLandscape"_s : u"poPortrait"_s);
}

bool PrinterSetup::collation() const {
    return p::boolean(*m_object, u"PrinterSetup.Collation", true);
}

void PrinterSetup::setCollation(bool collation) {
    p::setBoolean(*m_object, u"PrinterSetup.Collation"_s, collation);
}

int PrinterSetup::mmPaperWidth() const {
    return static_cast<int>(p::integer(*m_object, u"PrinterSetup.mmPaperWidth"));
}

void PrinterSetup::setMmPaperWidth(int thousandths) {
    p::setInteger(*m_object, u"PrinterSetup.mmPaperWidth"_s, thousandths);
}

int PrinterSetup::mmPaperHeight() const {
    return static_cast<int>(p::integer(*m_object, u"PrinterSetup.mmPaperHeight"));
}

void PrinterSetup::setMmPaperHeight(int thousandths) {
    p::setInteger(*m_object, u"PrinterSetup.mmPaperHeight"_s, thousandths);
}

MmMargins PrinterSetup::margins() const {
    const auto margin = [this](QStringView name) {
        return static_cast<int>(p::integer(*m_object, name));
    };
    return {margin(u"PrinterSetup.mmMarginTop"), margin(u"PrinterSetup.mmMarginBottom"),
            margin(u"PrinterSetup.mmMarginLeft"), margin(u"PrinterSetup.mmMarginRight")};
}

void PrinterSetup::setMargins(const MmMargins& margins) {
    p::setInteger(*m_object, u"PrinterSetup.mmMarginBottom"_s, margins.bottom);
    p::setInteger(*m_object, u"PrinterSetup.mmMarginLeft"_s, margins.left);
    p::setInteger(*m_object, u"PrinterSetup.mmMarginRight"_s, margins.right);
    p::setInteger(*m_object, u"PrinterSetup.mmMarginTop"_s, margins.top);
}

float PrinterSetup::paperWidth() const {
    return fromThousandths(mmPaperWidth(), m_report->units());
}

void PrinterSetup::setPaperWidth(float width) {
    setMmPaperWidth(toThousandths(width, m_report->units()));
}

float PrinterSetup::paperHeight() const {
    return fromThousandths(mmPaperHeight(), m_report->units());
}

void PrinterSetup::setPaperHeight(float height) {
    setMmPaperHeight(toThousandths(height, m_report->units()));
}

} // namespace plataforma::relatorio
