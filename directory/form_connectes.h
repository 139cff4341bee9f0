#pragma once

#include <string>
#include <vector>

#include "directory/standard_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The connected-user search: results of "56"/"58" and the number of connected users.
class Tform_connectes : public StandardWindow {
    Q_OBJECT
  public:
    explicit Tform_connectes(WindowContext& context, QWidget* parent = nullptr);

    // Results of a search for either sex: records of eight fields from P1 on.
    void FillUserResults(const std::vector<std::string>& fields);
    // Results of a search for one sex ("-1", "0" or "1"): records of seven fields.
    void FillUserResultsOneSex(const std::vector<std::string>& fields,
                               const std::string& criterion);
    // Clears the results and shows the single item "Aucune personne ne correspond ...".
    void ShowNoResult();
    void SetConnectedCount(const std::string& text);

    QListWidget* list_rech;
    QComboBox* combo_rech_type;
    QLineEdit* text_rech;
    QLabel* lbl_nb_connectes;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Searches any age and any sex; the age and sex lists come with the full search window.
    void btn_rechClick();
};
