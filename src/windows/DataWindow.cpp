#include "windows/DataWindow.h"

#include "base/FileTypes.h"
#include "data/DataListColumns.h"
#include "data/MeasurementFile.h"
#include "windows/DataListModel.h"
#include "windows/FileDrops.h"
#include "windows/MenuHost.h"
#include "windows/PathText.h"
#include "windows/SaveQuestionDialog.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableView>
#include <array>

namespace morvane {
namespace {

constexpr QSize initialContentSize{300, 400};
constexpr int minimumContentHeight = 300;
constexpr int rawMinimumWidth = 300;
constexpr int normalisedMinimumWidth = 500;
constexpr int normalisedWidth = 600;
constexpr int maximumContentSize = 32000;
// The list's border lies just outside the left, top and right edges; below it 14 pixels stay
// free (302 x 387 at -1, -1 in a 300 x 400 window).
constexpr QMargins listInsets{-1, -1, -1, 14};

std::array<DataWindow::GraphOpener, 2>& graphOpeners() {
    static std::array<DataWindow::GraphOpener, 2> openers;
    return openers;
}

DataWindow::GraphOpener& graphOpener(DataWindow::GraphKind kind) {
    return graphOpeners()[kind == DataWindow::GraphKind::Tetrahedron3D ? 0 : 1];
}

// The window's content: keeps its one child at fixed distances from all four edges.
class AnchoredArea : public QWidget {
public:
    AnchoredArea(QWidget* parent, QMargins insets) : QWidget(parent), m_insets(insets) {}

    void setChild(QWidget* child) {
        m_child = child;
        place();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        place();
    }

private:
    void place() {
        if (m_child) {
            m_child->setGeometry(rect().marginsRemoved(m_insets));
        }
    }

    QMargins m_insets;
    QWidget* m_child = nullptr;
};

} // namespace

void DataWindow::setGraphOpener(GraphKind kind, GraphOpener opener) {
    graphOpener(kind) = std::move(opener);
}

bool DataWindow::hasGraphOpener(GraphKind kind) {
    return static_cast<bool>(graphOpener(kind));
}

QString DataWindow::textFileFilters() {
    return QString::fromStdString(FileTypes::pTextFilesTxt.dialogFilter()) + ";;All files (*)";
}

DataWindow::DataWindow(QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    setWindowTitle("untitled");

    auto* area = new AnchoredArea(this, listInsets);
    area->setObjectName("content");
    area->setMinimumSize(rawMinimumWidth, minimumContentHeight);
    area->setMaximumSize(maximumContentSize, maximumContentSize);
    setCentralWidget(area);

    m_model = new DataListModel(this);
    m_list = new QTableView(area);
    m_list->setObjectName("Liste");
    m_list->setModel(m_model);
    m_list->setFont(QFont("Geneva", 10));
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->setSortingEnabled(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->verticalHeader()->hide();
    // Fixed, uniform rows: the view then never measures rows, whatever their number.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_list->font()).height() + 4);
    QHeaderView* headings = m_list->horizontalHeader();
    headings->setSectionResizeMode(QHeaderView::Stretch);
    headings->setSectionsClickable(false);
    headings->setSectionsMovable(false);
    headings->setHighlightSections(false);
    area->setChild(m_list);

    MenuHost::attachTo(*this);
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    resize(initialContentSize + QSize(0, menuHeight));

    addMenuHandlers();
    Event_Open();
}

DataWindow::~DataWindow() = default;

QWidget* DataWindow::content() const {
    return centralWidget();
}

void DataWindow::Event_Open() {
    UpdateAlign();
}

void DataWindow::addMenuHandlers() {
    addMenuHandler("FileClose", [this] {
        close();
        return true;
    });
    addMenuHandler("FileSave", [this] {
        savefile(std::nullopt);
        return true;
    });
    addMenuHandler("FileSave2", [this] {
        if (m_data) {
            savefile(m_data->file);
        }
        return true;
    });
    // Printing is the graph windows' business: pass the command on.
    addMenuHandler("FilePrint", [] { return false; });
    addMenuHandler("View3DGraph", [this] { return openGraph(GraphKind::Tetrahedron3D); });
    addMenuHandler("View2DGraph", [this] { return openGraph(GraphKind::Triangle2D); });
    addMenuHandler("ViewNormierteWertezeigen", [this] {
        switchView();
        return true;
    });
}

void DataWindow::enableMenuItems(MenuItems& items) {
    items.enable("FileClose");
    if (m_data) {
        items.enable("FileSave");
        if (m_data->file && m_data->changed > 0) {
            items.enable("FileSave2");
        }
        m_data->setmenunames();
    }
    items.setCaption("FileSave2", "Save...");
    if (hasGraphOpener(GraphKind::Tetrahedron3D)) {
        items.enable("View3DGraph");
    }
    if (hasGraphOpener(GraphKind::Triangle2D)) {
        items.enable("View2DGraph");
    }
    items.enable("ViewNormierteWertezeigen");
    items.setChecked("ViewNormierteWertezeigen", showsNormalisedValues());
}

bool DataWindow::loadfile(const std::filesystem::path& item, std::string* error) {
    MeasurementFile::LoadResult loaded = MeasurementFile::load(item);
    if (!loaded) {
        if (error) {
            *error = loaded.error;
        }
        return false;
    }
    setWindowTitle(PathText::displayName(item));
    m_data = std::move(loaded.dataset);
    showdatainlist();
    UpdateAlign();
    return true;
}

DataWindow::SaveOutcome DataWindow::savefile(std::optional<std::filesystem::path> item) {
    if (!m_data) {
        return SaveOutcome::Cancelled;
    }
    if (!item) {
        const QString proposal = m_data->file ? PathText::fromPath(*m_data->file) : QString();
        const QString chosen =
            QFileDialog::getSaveFileName(this, "Save as", proposal, textFileFilters());
        if (chosen.isEmpty()) {
            return SaveOutcome::Cancelled;
        }
        item = PathText::toPath(chosen);
    }
    return saveinfile(*item) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool DataWindow::saveinfile(const std::filesystem::path& item) {
    if (!m_data) {
        return false;
    }
    const MeasurementFile::SaveResult saved = MeasurementFile::save(*m_data, item);
    if (!saved) {
        reportSaveFailure(item, saved.error);
        return false;
    }
    setWindowTitle(PathText::displayName(item));
    MenuHost::refresh();
    return true;
}

void DataWindow::reportSaveFailure(const std::filesystem::path& item, const std::string& reason) {
    QMessageBox box(QMessageBox::Warning, "Sichern",
                    QString::fromUtf8("Die Datei „%1“ konnte nicht gesichert werden.")
                        .arg(PathText::displayName(item)),
                    QMessageBox::Ok, this);
    box.setObjectName("SaveFailedMessage");
    box.setInformativeText(QString::fromUtf8("%1\n\n%2")
                               .arg(QString::fromStdString(reason), PathText::fromPath(item)));
    box.exec();
}

void DataWindow::showdatainlist() {
    if (m_data && m_data->changed == 2) {
        m_data->changed = 1;
    }
    m_model->rebuild(m_data);
}

void DataWindow::UpdateAlign() {
    // Cells and headings are right-aligned by the model; here the headings get their names.
    if (!m_data) {
        return;
    }
    const int columns = m_model->columnCount();
    for (int column = 1; column <= 4; ++column) {
        m_model->setHeading(column,
                            QString::fromStdString(DataListColumns::heading(*m_data, column)));
    }
    if (columns >= 10) {
        for (int column = 6; column <= 9; ++column) {
            m_model->setHeading(column,
                                QString::fromStdString(DataListColumns::heading(*m_data, column)));
        }
    }
}

bool DataWindow::showsNormalisedValues() const {
    return m_model->columnCount() > 9;
}

void DataWindow::switchView() {
    if (m_model->columnCount() == DataListColumns::rawColumnCount) {
        m_model->setVisibleColumns(DataListColumns::allColumnCount);
        setContentMinimumWidth(normalisedMinimumWidth);
        if (width() < normalisedWidth) {
            resize(normalisedWidth, height());
        }
    } else {
        m_model->setVisibleColumns(DataListColumns::rawColumnCount);
        setContentMinimumWidth(rawMinimumWidth);
    }
    UpdateAlign();
}

void DataWindow::setContentMinimumWidth(int width) {
    centralWidget()->setMinimumWidth(width);
    // Apply the new limit to the window now, not when the layout request comes round.
    layout()->activate();
}

bool DataWindow::openGraph(GraphKind kind) {
    const GraphOpener& opener = graphOpener(kind);
    if (opener && m_data) {
        opener(m_data);
    }
    return true;
}

void DataWindow::Event_Activate() {
    if (m_data && m_data->changed == 2) {
        showdatainlist();
    }
}

bool DataWindow::Event_CancelClose() {
    if (!m_data || m_data->changed <= 0) {
        return false;
    }
    SaveQuestionDialog question(this);
    switch (question.exec()) {
    case SaveQuestionDialog::Save:
        // A failed or declined save keeps the window, and with it the changes.
        return savefile(m_data->file) != SaveOutcome::Saved;
    case SaveQuestionDialog::DontSave:
        return false;
    default:
        return true;
    }
}

void DataWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Event_Activate();
    }
}

void DataWindow::closeEvent(QCloseEvent* event) {
    if (Event_CancelClose()) {
        event->ignore();
    } else {
        event->accept();
    }
}

void DataWindow::dragEnterEvent(QDragEnterEvent* event) {
    FileDrops::acceptFiles(*event);
}

void DataWindow::dropEvent(QDropEvent* event) {
    FileDrops::openFiles(*event);
}

} // namespace morvane
