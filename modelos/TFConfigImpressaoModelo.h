#pragma once

#include "plataforma/MemTable.h"

#include <QDialog>
#include <functional>
#include <optional>

class QFileDialog;
class QPushButton;

namespace plataforma {
class DataGrid;
}

namespace modelos {

// The catalogue of built-in label templates: one list per kind of printer, from
// which the operator writes a template to a ".rtm" file for the designer.
class TFConfigImpressaoModelo : public QDialog {
    Q_OBJECT

public:
    // The file the operator chose for a template, or nothing when cancelled.
    using EscolhaDeArquivo = std::function<std::optional<QString>(const QString& nomeSugerido)>;

    // Shows a new catalogue modally, centred on the window given (the active
    // one when none is), destroys it and returns its modal result. An error of
    // the program's own family that escapes the modal show is swallowed
    // without a word.
    static int AbrirModelos(const QWidget* sobre = nullptr);

    explicit TFConfigImpressaoModelo(QWidget* parent = nullptr);

    // The lists are filled here, before the window shows, so that an error in
    // filling them reaches the caller instead of crossing Qt's event delivery.
    int exec() override;

    // Puts another way of choosing the file in place of the save dialog.
    void definirEscolhaDeArquivo(EscolhaDeArquivo escolha);

    void FormShow();
    // True when the key was taken: Esc closes the catalogue from any control.
    bool FormKeyDown(int tecla);
    void btnFecharClick();
    // coluna is the grid's column; only the "salvar" column saves. An export
    // error leaves the handler as it is; the click's connection reports it.
    void GridZebraCellClick(int coluna);
    void GridArgoxCellClick(int coluna);
    void GridComumCellClick(int coluna);
    void GridZebraDrawColumnCell(QPainter& pintor, const QRect& celula, int linha, int coluna);
    void GridArgoxDrawColumnCell(QPainter& pintor, const QRect& celula, int linha, int coluna);
    void DBGrid1DrawColumnCell(QPainter& pintor, const QRect& celula, int linha, int coluna);
    void MemoComumAfterScroll();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void montarCabecalho();
    void montarCorpo();
    void montarRodape();
    void montarSaveDialog();
    plataforma::DataGrid* criarGrade(const QString& nome, plataforma::MemTable& lista,
                                     int larguraModelo, const QRect& geometria);
    void ligarClique(plataforma::DataGrid* grade, void (TFConfigImpressaoModelo::*tratar)(int));
    void PreencherZebra();
    void PreencherArgox();
    void PreencherComum();
    void OcultarBarras();
    void salvarDaLista(const plataforma::DataGrid& grade, const QString& prefixo, int coluna);
    void desenharCelula(const plataforma::DataGrid& grade, QPainter& pintor, const QRect& celula,
                        int linha, int coluna) const;
    std::optional<QString> perguntarArquivo(const QString& nomeSugerido);

    plataforma::MemTable MemoZebra{QStringLiteral("MemoZebra")};
    plataforma::MemTable MemoArgox{QStringLiteral("MemoArgox")};
    plataforma::MemTable MemoComum{QStringLiteral("MemoComum")};
    QWidget* m_corpo = nullptr;
    plataforma::DataGrid* GridZebra = nullptr;
    plataforma::DataGrid* GridArgox = nullptr;
    plataforma::DataGrid* DBGrid1 = nullptr;
    QPushButton* btnFechar = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    EscolhaDeArquivo m_escolherArquivo;
};

} // namespace modelos
