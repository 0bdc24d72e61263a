#pragma once

#include "plataforma/MemTable.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/Registries.h"
#include "plataforma/relatorio/Report.h"

#include <QString>

// A label batch as the designer meets it: the ten fields of a label row under the pipeline
// "Selecionados", a few products, each on as many labels as asked.
class LabelBatch {
public:
    struct Product {
        QString description;
        QString barcode;
        double price = 0;
    };

    LabelBatch() {
        using plataforma::FieldType;
        m_table.addField("CID_PROD", FieldType::Integer).setDisplayFormat(QStringLiteral("0"));
        m_table.addField("CBARRAS", FieldType::Text, 13);
        m_table.addField("CDESCRICAO", FieldType::Text, 60);
        m_table.addField("CPRECO", FieldType::Money).setDisplayFormat(price());
        m_table.addField("CPRECPRO", FieldType::Money).setDisplayFormat(price());
        m_table.addField("CVLD_PRO", FieldType::Date)
            .setDisplayFormat(QStringLiteral("dd/mm/yyyy"));
        m_table.addField("CDESC", FieldType::Money)
            .setDisplayFormat(QStringLiteral("###,###,##0.00 %"));
        m_table.addField("CPRECO_DESC", FieldType::Money).setDisplayFormat(price());
        m_table.addField("CLAB", FieldType::Text, 40);
        m_table.addField("CPRECOPRAT", FieldType::Money).setDisplayFormat(price());
        m_table.open();
        m_pipelines.add(m_pipeline);
    }

    LabelBatch& add(const Product& product, int labels = 1) {
        for (int i = 0; i < labels; ++i) {
            m_table.append();
            m_table.setInteger("CID_PROD", m_table.rowCount());
            m_table.setString("CBARRAS", product.barcode);
            m_table.setString("CDESCRICAO", product.description);
            m_table.setFloat("CPRECO", product.price);
            m_table.setFloat("CPRECOPRAT", product.price);
            m_table.post();
        }
        return *this;
    }

    // A few products with valid EAN-13 codes, on labels enough for two A4 pages of template 9.
    LabelBatch& addGondola() {
        add({QStringLiteral("DIPIRONA SODICA 500MG 10 COMPRIMIDOS"),
             QStringLiteral("7891000315507"), 4.99},
            10);
        add({QStringLiteral("PROTETOR SOLAR FPS 50 200ML"), QStringLiteral("7891010249298"), 59.9},
            10);
        add({QStringLiteral("ESCOVA DENTAL MACIA"), QStringLiteral("7891528028965"), 7.45}, 10);
        return *this;
    }

    // Binds the report to the batch and tells it, as the label program does, which fields name
    // a label's product and which hold prices.
    void bind(plataforma::relatorio::Report& report) {
        report.setPipelines(&m_pipelines);
        report.setLabelRules(
            {.codeField = QStringLiteral("CID_PROD"),
             .descriptionField = QStringLiteral("CDESCRICAO"),
             .priceFields = {QStringLiteral("CPRECO"), QStringLiteral("CPRECPRO"),
                             QStringLiteral("CPRECO_DESC"), QStringLiteral("CPRECOPRAT")},
             .noPrice = plataforma::Money::fromUnits(99999999900)});
    }
    plataforma::MemTable& table() { return m_table; }

private:
    static QString price() { return QStringLiteral("###,###,##0.00"); }

    plataforma::MemTable m_table;
    plataforma::relatorio::MemTablePipeline m_pipeline{QStringLiteral("Selecionados"), m_table};
    plataforma::relatorio::PipelineRegistry m_pipelines;
};
