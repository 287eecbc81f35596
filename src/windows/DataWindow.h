#pragma once

#include "data/Dataset.h"
#include "windows/MenuHandlers.h"

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QTableView;

namespace morvane {

class DataListModel;

// The data list window of one measurement file: lists its rows (as read, or with the normalised
// values in percent), opens graph windows on the same Dataset, saves it back, and asks
// "Sichern?" before it closes with unsaved changes.
//
// Layout in pixels of the content area (below the menu bar where the window carries one):
// 300 x 400 at first, at least 300 x 300 (500 wide in the normalised view), at most
// 32000 x 32000; the list sits at -1, -1 and keeps 14 pixels free at the bottom.
// Deletes itself when closed. Created hidden; the caller shows it when loadfile() succeeded.
class DataWindow : public QMainWindow, public MenuHandlers {
    Q_OBJECT

public:
    enum class GraphKind { Tetrahedron3D, Triangle2D };
    // Opens a graph window on the set: creates it (and with it its diagram model), hands the
    // model this very Dataset (shared, not copied), calls newdata and update, and shows it.
    using GraphOpener = std::function<void(std::shared_ptr<Dataset> data)>;

    // Registers the opener of a graph kind for every data window (an empty function removes
    // it). "3D Graph" / "2D Graph" stay disabled while their kind has no opener.
    static void setGraphOpener(GraphKind kind, GraphOpener opener);
    static bool hasGraphOpener(GraphKind kind);
    // The filters of the open and save dialogs of measurement files: the text files of the file
    // type table, then all files.
    static QString textFileFilters();

    enum class SaveOutcome { Saved, Cancelled, Failed };

    explicit DataWindow(QWidget* parent = nullptr);
    ~DataWindow() override;

    // Reads the file into a new Dataset, titles the window with the file's name and fills the
    // list. False (window unchanged) when the file cannot be read; `error` then says why.
    bool loadfile(const std::filesystem::path& item, std::string* error = nullptr);
    // Without a location, first asks for one with the save dialog (Cancelled when the user
    // declines). Failed after a message box that names the file and the reason.
    SaveOutcome savefile(std::optional<std::filesystem::path> item);
    // Writes the set to `item` without asking; on success the window takes the file's name and
    // the plain save writes there from now on. On failure shows the message box, changes
    // nothing and returns false.
    bool saveinfile(const std::filesystem::path& item);

    // Rebuilds the list from the set's rows in their current order; state 2 becomes 1.
    void showdatainlist();
    // Right-aligns the columns and names them after the set's components.
    void UpdateAlign();
    // Switches between the values as read and the view with the normalised values.
    void switchView();

    bool showsNormalisedValues() const;
    const std::shared_ptr<Dataset>& data() const { return m_data; }
    QTableView* Liste() const { return m_list; }
    QWidget* content() const;

    void enableMenuItems(MenuItems& items) override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Event_Open();
    void Event_Activate();
    // True keeps the window open.
    bool Event_CancelClose();
    void addMenuHandlers();
    bool openGraph(GraphKind kind);
    void setContentMinimumWidth(int width);
    void reportSaveFailure(const std::filesystem::path& item, const std::string& reason);

    std::shared_ptr<Dataset> m_data;
    DataListModel* m_model = nullptr;
    QTableView* m_list = nullptr;
};

} // namespace morvane
