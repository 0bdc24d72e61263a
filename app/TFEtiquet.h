#pragma once

#include "impressao/ObjetosRelatorio.h"
#include "lista/CamposIlegiveis.h"
#include "plataforma/MemTable.h"

#include <QWidget>
#include <memory>

class QFileDialog;
class QFrame;
class GrupoEntalhado;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;

namespace plataforma {
class DataGrid;
class SpinEdit;
namespace relatorio {
class ReportDesigner;
}
} // namespace plataforma

// The main window: the product list in its grid, the list load, the search,
// the navigation and the bulk quantity, and the label batch with the report
// that prints it. It sees every key of its controls before they do: F3 loads
// a list from anywhere, and Ctrl+Delete is swallowed so that no product can be
// deleted.
class TFEtiquet : public QWidget {
    Q_OBJECT

public:
    explicit TFEtiquet(QWidget* parent = nullptr);
    ~TFEtiquet() override;

    // The product list. Other windows read it through the main window.
    plataforma::MemTable MemTable2;

    // The label batch and the report objects over it.
    plataforma::MemTable& MemTable3() { return m_relatorio.MemTable3(); }
    impressao::FonteDeDados& DataSource1() { return m_relatorio.DataSource1(); }
    plataforma::relatorio::MemTablePipeline& Selecionados() { return m_relatorio.Selecionados(); }
    plataforma::relatorio::Report& ppReport1() { return m_relatorio.ppReport1(); }
    // The report designer, made the first time it is shown and kept for the rest of the run;
    // null until then.
    plataforma::relatorio::ReportDesigner* ppDesigner1() const { return m_ppDesigner1.get(); }
    // Shows the designer modally, above the window given (the print hub).
    void MostrarDesigner(QWidget* sobre);
    // Opens a template file in the designer over an empty batch, as when the operator opens
    // the file from the file manager; a file that is no template is refused in a message.
    void AbrirModelo(const QString& arquivo);

public slots:
    void bRestaurarListaClick();
    void Edit1KeyPress();
    void sbAnteriorClick();
    void sbProximoClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    // Published to the report under its name: templates name it as their page-request event.
    void ppReport1PageRequest();
    // The designer's show and save hooks.
    void ppDesigner1Show();
    void ppDesigner1CustomSaveDoc();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // FormKeyDown: every key of the window's controls passes here first.
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void criarPainelBusca(QWidget* pagina);
    void criarGrade(QWidget* pagina);
    void criarGrupoImpressao(QWidget* pagina);
    void FormShow();
    plataforma::relatorio::ReportDesigner& designer();
    void atualizarResumo();

    QTabWidget* pc;
    QWidget* TabSheet1;
    QFrame* Panel1;
    QToolButton* bRestaurarLista;
    QFrame* Bevel5;
    QLabel* Label3;
    QLineEdit* Edit1;
    // Says when a search found nothing.
    QLabel* lblBusca;
    QFrame* Bevel4;
    QToolButton* sbAnterior;
    QToolButton* sbProximo;
    plataforma::DataGrid* GridSelecao;
    GrupoEntalhado* GrImpressao;
    QToolButton* SpeedButton1;
    QFrame* Bevel3;
    // What was loaded: the file, the products, the labels, the values that did not read.
    QLabel* lblResumo;
    QLabel* Label1;
    plataforma::SpinEdit* AltLinear;
    QToolButton* SpeedButton2;
    QFileDialog* OpenDialog1;
    impressao::ObjetosRelatorio m_relatorio;
    // After the report it edits, so that it goes first.
    std::unique_ptr<plataforma::relatorio::ReportDesigner> m_ppDesigner1;
    QString m_ultimoArquivo;
    // The file the list in the table came from.
    QString m_arquivoCarregado;
    lista::CamposIlegiveis m_ilegiveis;
    // Set while a key that the window has already seen goes to its control.
    bool m_repassando = false;
};
