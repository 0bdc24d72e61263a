#include "plataforma/relatorio/designer/LayoutEditor.h"

#include "plataforma/relatorio/Pipeline.h"
#include "plataforma/relatorio/Report.h"
#include "plataforma/relatorio/TextShaper.h"
#include "plataforma/relatorio/designer/NewControl.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

// An auto-size label takes the box that printing gives its text as soon as its text or look
// changes, so that the design page shows it and the saved template holds it.
void fitAutoSize(Control& label) {
    if (label.kind() != ControlKind::Label || !label.autoSize())
        return;
    TextShaper shaper;
    const QRectF fitted = shaper.shape(0, TextStyle::of(label), label.caption())->box;
    const MmBox box = label.box();
    label.setBox({box.left + qRound(fitted.left() * 1000), box.top, qRound(fitted.width() * 1000),
                  qRound(fitted.height() * 1000)});
}

// The kinds of change that fold into one undo step.
enum MergeKind { Move, Resize, BandHeight, Property };

// The band objects of a layout, with their kinds.
template <typename Visit> void forEachBand(fluxo::Objeto& layout, Visit visit) {
    for (fluxo::Objeto& child : layout.filhos) {
        if (const std::optional<BandKind> kind = bandKindOfClass(child.classe))
            visit(child, *kind);
    }
}

fluxo::Objeto* findControl(fluxo::Objeto& layout, QStringView name) {
    fluxo::Objeto* found = nullptr;
    forEachBand(layout, [&](fluxo::Objeto& band, BandKind) {
        for (fluxo::Objeto& control : band.filhos) {
            if (control.nome == name)
                found = &control;
        }
    });
    return found;
}

// The first field of the pipeline that suits the kind of control, or none.
QString firstField(const Pipeline* pipeline, ControlKind kind) {
    if (pipeline == nullptr)
        return {};
    for (int field = 0; field < pipeline->fieldCount(); ++field) {
        if (kind != ControlKind::DataBarcode || pipeline->fieldType(field) == FieldType::Text)
            return pipeline->fieldName(field);
    }
    return pipeline->fieldCount() > 0 ? pipeline->fieldName(0) : QString();
}

} // namespace

LayoutEditor::LayoutEditor(Report& report, QObject* parent)
    : QObject(parent), m_report(report), m_known(report.layout()), m_saved(m_known) {}

const fluxo::Objeto& LayoutEditor::layoutNow() const {
    return m_report.layout();
}

void LayoutEditor::open(const QString& path) {
    m_report.loadFromFile(path);
    m_report.setTemplateFileName(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    reset();
}

void LayoutEditor::replaceLayout(fluxo::Objeto layout) {
    m_report.setLayout(std::move(layout));
    reset();
}

void LayoutEditor::discardChanges() {
    if (isModified())
        replaceLayout(m_saved);
}

void LayoutEditor::acceptCurrentLayout() {
    m_known = layoutNow();
    if (!isModified())
        m_saved = m_known;
}

void LayoutEditor::reset() {
    m_undo.clear();
    m_known = layoutNow();
    m_saved = m_known;
    m_selection.clear();
    emit layoutChanged();
    emit selectionChanged();
}

bool LayoutEditor::adoptOutsideChanges(const QString& text) {
    if (layoutNow() == m_known)
        return false;
    m_undo.push(new LayoutChange(text, m_report, m_known, layoutNow(), {}, [this] { applied(); }));
    return true;
}

void LayoutEditor::markSaved() {
    m_known = layoutNow();
    m_saved = m_known;
    m_undo.setClean();
}

void LayoutEditor::select(const QStringList& names) {
    if (names == m_selection)
        return;
    m_selection = names;
    emit selectionChanged();
}

void LayoutEditor::toggleSelected(const QString& name) {
    QStringList names = m_selection;
    if (!names.removeOne(name))
        names.append(name);
    select(names);
}

std::optional<Control> LayoutEditor::control(const QString& name) {
    for (const Band& band : m_report.bands()) {
        for (const Control& control : band.controls()) {
            if (control.name() == name)
                return control;
        }
    }
    return std::nullopt;
}

QStringList LayoutEditor::controlNames() {
    QStringList names;
    for (const Band& band : m_report.bands()) {
        for (const Control& control : band.controls())
            names.append(control.name());
    }
    return names;
}

QPoint LayoutEditor::moveSelection(QPoint delta, quint64 gesture) {
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    for (const QString& name : m_selection) {
        if (const std::optional<Control> found = control(name)) {
            left = std::min(left, found->box().left);
            top = std::min(top, found->box().top);
        }
    }
    if (left == std::numeric_limits<int>::max())
        return {};
    // Nothing goes past the band's top or left edge, and the selection keeps its shape.
    delta.setX(std::max(delta.x(), std::min(0, -left)));
    delta.setY(std::max(delta.y(), std::min(0, -top)));
    if (delta.isNull())
        return {};
    const QString text = m_selection.size() == 1
                             ? u"Mover %1"_s.arg(m_selection.first())
                             : u"Mover %1 componentes"_s.arg(m_selection.size());
    change(text, {gesture ? Move : -1, m_selection.join(u','), gesture},
           [&](fluxo::Objeto& layout) {
               for (const QString& name : m_selection) {
                   if (fluxo::Objeto* object = findControl(layout, name)) {
                       Control moved(*object);
                       MmBox box = moved.box();
                       box.left += delta.x();
                       box.top += delta.y();
                       moved.setBox(box);
                   }
               }
           });
    return delta;
}

void LayoutEditor::resizeSelection(QPoint delta) {
    change(u"Redimensionar"_s, {}, [&](fluxo::Objeto& layout) {
        for (const QString& name : m_selection) {
            if (fluxo::Objeto* object = findControl(layout, name)) {
                Control resized(*object);
                MmBox box = resized.box();
                box.width = std::max(MinimumSize, box.width + delta.x());
                box.height = std::max(MinimumSize, box.height + delta.y());
                resized.setBox(box);
            }
        }
    });
}

void LayoutEditor::setBox(const QString& name, const MmBox& box, quint64 gesture) {
    change(u"Redimensionar %1"_s.arg(name), {gesture ? Resize : -1, name, gesture},
           [&](fluxo::Objeto& layout) {
               if (fluxo::Objeto* object = findControl(layout, name))
                   Control(*object).setBox(box);
           });
}

void LayoutEditor::deleteSelection() {
    if (m_selection.isEmpty())
        return;
    const QStringList doomed = m_selection;
    change(doomed.size() == 1 ? u"Excluir %1"_s.arg(doomed.first())
                              : u"Excluir %1 componentes"_s.arg(doomed.size()),
           {}, [&](fluxo::Objeto& layout) {
               forEachBand(layout, [&](fluxo::Objeto& band, BandKind) {
                   std::erase_if(band.filhos, [&](const fluxo::Objeto& control) {
                       return doomed.contains(control.nome);
                   });
               });
           });
}

void LayoutEditor::bringSelectionToFront() {
    restack(u"Trazer para a frente"_s, true);
}

void LayoutEditor::sendSelectionToBack() {
    restack(u"Enviar para trás"_s, false);
}

void LayoutEditor::restack(const QString& text, bool toFront) {
    const QStringList chosen = m_selection;
    change(text, {}, [&](fluxo::Objeto& layout) {
        forEachBand(layout, [&](fluxo::Objeto& band, BandKind) {
            const auto isChosen = [&](const fluxo::Objeto& control) {
                return chosen.contains(control.nome);
            };
            // Stable, so that the chosen controls and the others keep their own order.
            if (toFront)
                std::stable_partition(band.filhos.begin(), band.filhos.end(),
                                      [&](const fluxo::Objeto& c) { return !isChosen(c); });
            else
                std::stable_partition(band.filhos.begin(), band.filhos.end(), isChosen);
        });
    });
}

bool LayoutEditor::canAddControls() {
    return m_report.band(BandKind::Detail).has_value();
}

QString LayoutEditor::addControl(ControlKind kind, const MmBox& box) {
    if (!canAddControls())
        return {};
    const QString pipeline = m_report.dataPipelineName();
    fluxo::Objeto added = newControl(kind, layoutNow(), box, pipeline,
                                     firstField(m_report.pipelineNamed(pipeline), kind));
    const QString name = added.nome;
    change(u"Incluir %1"_s.arg(name), {}, [&](fluxo::Objeto& layout) {
        forEachBand(layout, [&](fluxo::Objeto& band, BandKind bandKind) {
            if (bandKind != BandKind::Detail)
                return;
            const auto place = kind == ControlKind::Shape ? band.filhos.begin() : band.filhos.end();
            band.filhos.insert(place, std::move(added));
        });
    });
    select({name});
    return name;
}

void LayoutEditor::setBandHeight(BandKind kind, int mmHeight, quint64 gesture) {
    change(u"Altura da banda"_s, {gesture ? BandHeight : Property, bandClassName(kind), gesture},
           [&](fluxo::Objeto& layout) {
               forEachBand(layout, [&](fluxo::Objeto& band, BandKind bandKind) {
                   if (bandKind == kind)
                       Band(m_report, band, kind).setMmHeight(std::max(0, mmHeight));
               });
           });
}

void LayoutEditor::editControl(const QString& name, const QString& text, const QString& property,
                               const std::function<void(Control&)>& edit) {
    change(text, {Property, name + u'.' + property}, [&](fluxo::Objeto& layout) {
        if (fluxo::Objeto* object = findControl(layout, name)) {
            Control edited(*object);
            edit(edited);
            fitAutoSize(edited);
        }
    });
}

void LayoutEditor::editReport(const QString& text, const QString& property,
                              const std::function<void(Report&)>& edit) {
    change(text, {Property, property}, [&](fluxo::Objeto& layout) {
        Report edited;
        edited.setLayout(std::move(layout));
        edit(edited);
        layout = edited.layout();
    });
}

void LayoutEditor::change(const QString& text, const MergeKey& key,
                          const std::function<void(fluxo::Objeto&)>& edit) {
    fluxo::Objeto after = layoutNow();
    edit(after);
    if (after == layoutNow())
        return;
    m_undo.push(new LayoutChange(text, m_report, layoutNow(), std::move(after), key,
                                 [this] { applied(); }));
}

void LayoutEditor::applied() {
    m_known = layoutNow();
    const QStringList names = controlNames();
    QStringList kept;
    for (const QString& name : m_selection) {
        if (names.contains(name))
            kept.append(name);
    }
    emit layoutChanged();
    select(kept);
}

} // namespace plataforma::relatorio
