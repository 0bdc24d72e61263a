#include "plataforma/relatorio/Control.h"

#include "modelos/fluxo/Esquema.h"
#include "plataforma/relatorio/Properties.h"

#include <array>
#include <utility>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;
namespace p = properties;

namespace {

constexpr std::array kinds{
    std::pair{"TppDBText"_L1, ControlKind::DataText},
    std::pair{"TppDBBarCode"_L1, ControlKind::DataBarcode},
    std::pair{"TppLabel"_L1, ControlKind::Label},
    std::pair{"TppShape"_L1, ControlKind::Shape},
    std::pair{"TppLine"_L1, ControlKind::Line},
    std::pair{"TppImage"_L1, ControlKind::Image},
};

constexpr std::array alignments{"taLeftJustified"_L1, "taCentered"_L1, "taRightJustified"_L1};
constexpr std::array linePositions{"lpTop"_L1, "lpBottom"_L1, "lpLeft"_L1, "lpRight"_L1};

// The place of name among the identifiers, or 0 (the default) for one not listed.
template <std::size_t N>
int indexOf(const std::array<QLatin1StringView, N>& names, const QString& name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (name == names[i])
            return static_cast<int>(i);
    }
    return 0;
}

constexpr std::array styles{"fsBold"_L1, "fsItalic"_L1, "fsUnderline"_L1, "fsStrikeOut"_L1};

} // namespace

ControlKind Control::kind() const {
    for (const auto& [className, kind] : kinds) {
        if (m_object->classe == className)
            return kind;
    }
    return ControlKind::Unknown;
}

QString Control::userName() const {
    return p::text(*m_object, u"UserName");
}

void Control::setUserName(const QString& userName) {
    p::setText(*m_object, u"UserName"_s, userName);
}

MmBox Control::box() const {
    const auto length = [this](QStringView name) {
        return static_cast<int>(p::integer(*m_object, name));
    };
    return {length(u"mmLeft"), length(u"mmTop"), length(u"mmWidth"), length(u"mmHeight")};
}

void Control::setBox(const MmBox& box) {
    p::setInteger(*m_object, u"mmLeft"_s, box.left);
    p::setInteger(*m_object, u"mmTop"_s, box.top);
    p::setInteger(*m_object, u"mmWidth"_s, box.width);
    p::setInteger(*m_object, u"mmHeight"_s, box.height);
}

QString Control::dataField() const {
    return p::text(*m_object, u"DataField");
}

void Control::setDataField(const QString& field) {
    p::setText(*m_object, u"DataField"_s, field);
}

QString Control::dataPipelineName() const {
    return p::text(*m_object, u"DataPipeline");
}

void Control::setDataPipelineName(const QString& pipeline) {
    p::setIdentifier(*m_object, u"DataPipeline"_s, pipeline);
    p::setText(*m_object, u"DataPipelineName"_s, pipeline);
}

QString Control::displayFormat() const {
    return p::text(*m_object, u"DisplayFormat");
}

void Control::setDisplayFormat(const QString& format) {
    p::setText(*m_object, u"DisplayFormat"_s, format);
}

QString Control::caption() const {
    return p::text(*m_object, u"Caption");
}

void Control::setCaption(const QString& caption) {
    p::setText(*m_object, u"Caption"_s, caption);
}

FontSettings Control::font() const {
    FontSettings font;
    font.name = p::text(*m_object, u"Font.Name", font.name);
    font.size = static_cast<int>(p::integer(*m_object, u"Font.Size", font.size));
    font.color = p::text(*m_object, u"Font.Color", font.color);
    const QStringList style = p::members(*m_object, u"Font.Style");
    font.bold = style.contains(styles[0]);
    font.italic = style.contains(styles[1]);
    font.underline = style.contains(styles[2]);
    font.strikeOut = style.contains(styles[3]);
    return font;
}

void Control::setFont(const FontSettings& font) {
    if (!m_object->valor(u"Font.Charset"))
        p::setIdentifier(*m_object, u"Font.Charset"_s, u"DEFAULT_CHARSET"_s);
    p::setIdentifier(*m_object, u"Font.Color"_s, font.color);
    p::setText(*m_object, u"Font.Name"_s, font.name);
    p::setInteger(*m_object, u"Font.Size"_s, font.size);
    QStringList style;
    const std::array on{font.bold, font.italic, font.underline, font.strikeOut};
    for (std::size_t i = 0; i < styles.size(); ++i) {
        if (on[i])
            style.append(styles[i]);
    }
    p::setMembers(*m_object, u"Font.Style"_s, style);
}

TextAlignment Control::textAlignment() const {
    return static_cast<TextAlignment>(indexOf(alignments, p::text(*m_object, u"TextAlignment")));
}

void Control::setTextAlignment(TextAlignment alignment) {
    p::setIdentifier(*m_object, u"TextAlignment"_s, alignments[static_cast<int>(alignment)]);
}

bool Control::autoSize() const {
    return p::boolean(*m_object, u"AutoSize");
}

void Control::setAutoSize(bool autoSize) {
    p::setBoolean(*m_object, u"AutoSize"_s, autoSize);
}

bool Control::transparent() const {
    return p::boolean(*m_object, u"Transparent");
}

void Control::setTransparent(bool transparent) {
    p::setBoolean(*m_object, u"Transparent"_s, transparent);
}

bool Control::wordWrap() const {
    return p::boolean(*m_object, u"WordWrap");
}

void Control::setWordWrap(bool wordWrap) {
    p::setBoolean(*m_object, u"WordWrap"_s, wordWrap);
}

QString Control::barcodeType() const {
    return p::text(*m_object, u"BarCodeType");
}

void Control::setBarcodeType(const QString& type) {
    p::setIdentifier(*m_object, u"BarCodeType"_s, type);
}

bool Control::autoEncode() const {
    return p::boolean(*m_object, u"AutoEncode");
}

void Control::setAutoEncode(bool autoEncode) {
    p::setBoolean(*m_object, u"AutoEncode"_s, autoEncode);
}

bool Control::calcCheckDigit() const {
    return p::boolean(*m_object, u"CalcCheckDigit");
}

void Control::setCalcCheckDigit(bool calc) {
    p::setBoolean(*m_object, u"CalcCheckDigit"_s, calc);
}

QString Control::barColor() const {
    return p::text(*m_object, u"BarColor", u"clBlack"_s);
}

void Control::setBarColor(const QString& color) {
    p::setIdentifier(*m_object, u"BarColor"_s, color);
}

int Control::mmBarWidth() const {
    return static_cast<int>(p::integer(*m_object, u"mmBarWidth"));
}

void Control::setMmBarWidth(int width) {
    p::setInteger(*m_object, u"mmBarWidth"_s, width);
}

int Control::mmWideBarRatio() const {
    return static_cast<int>(p::integer(*m_object, u"mmWideBarRatio"));
}

void Control::setMmWideBarRatio(int ratio) {
    p::setInteger(*m_object, u"mmWideBarRatio"_s, ratio);
}

bool Control::maintainAspectRatio() const {
    return p::boolean(*m_object, u"MaintainAspectRatio", true);
}

void Control::setMaintainAspectRatio(bool maintain) {
    p::setBoolean(*m_object, u"MaintainAspectRatio"_s, maintain);
}

bool Control::stretch() const {
    return p::boolean(*m_object, u"Stretch");
}

void Control::setStretch(bool stretch) {
    p::setBoolean(*m_object, u"Stretch"_s, stretch);
}

namespace {

// The picture block opens with the picture's class name as a short name.
QByteArray pictureBlock(const fluxo::Objeto& object) {
    const fluxo::Valor* data = object.valor(u"Picture.Data");
    return data && data->tipo() == fluxo::Tipo::Bloco ? data->bytes() : QByteArray();
}

qsizetype classNameLength(const QByteArray& block) {
    if (block.isEmpty())
        return 0;
    const auto length = static_cast<quint8>(block[0]);
    return length < block.size() ? length : block.size() - 1;
}

} // namespace

QString Control::pictureClass() const {
    const QByteArray block = pictureBlock(*m_object);
    return QString::fromLatin1(block.mid(1, classNameLength(block)));
}

QByteArray Control::pictureBytes() const {
    const QByteArray block = pictureBlock(*m_object);
    return block.isEmpty() ? block : block.mid(1 + classNameLength(block));
}

void Control::setPicture(const QString& pictureClass, const QByteArray& bytes) {
    const QByteArray name = pictureClass.toLatin1().left(255);
    fluxo::definir(*m_object, u"Picture.Data"_s,
                   fluxo::Valor::bloco(char(name.size()) + name + bytes));
}

LinePosition Control::linePosition() const {
    return static_cast<LinePosition>(indexOf(linePositions, p::text(*m_object, u"Position")));
}

void Control::setLinePosition(LinePosition position) {
    p::setIdentifier(*m_object, u"Position"_s, linePositions[static_cast<int>(position)]);
}

float Control::weight() const {
    return static_cast<float>(p::real(*m_object, u"Weight", 0.75));
}

void Control::setWeight(float points) {
    fluxo::definir(*m_object, u"Weight"_s, fluxo::Valor::simples(points));
}

QString Control::penColor() const {
    return p::text(*m_object, u"Pen.Color", u"clBlack"_s);
}

void Control::setPenColor(const QString& color) {
    p::setIdentifier(*m_object, u"Pen.Color"_s, color);
}

} // namespace plataforma::relatorio
