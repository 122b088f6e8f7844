#pragma once

#include <QObject>

class THaupt;

// The project buttons: save and open a project, resume a run, and export the
// menu project.
class ProjectActions : public QObject {
    Q_OBJECT

public:
    explicit ProjectActions(THaupt& h);

private:
    THaupt& h;
};
