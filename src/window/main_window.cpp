#include "window/main_window.h"

#include "board/board_geometry.h"
#include "media/move_sound.h"
#include "media/music_player.h"
#include "records/file_store.h"
#include "records/moves_file.h"
#include "records/moves_text.h"
#include "records/moves_window.h"
#include "records/saved_game_file.h"
#include "scoring/high_score_file.h"
#include "scoring/high_score_window.h"
#include "window/artwork.h"
#include "window/option_value.h"
#include "window/panel.h"
#include "window/picture_control.h"
#include "window/program_folder.h"
#include "window/qt_prompts.h"
#include "window/theme_code_words.h"
#include "window/twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace {
constexpr int kHole1Left = 1800;
constexpr int kHole1Top = 240;
const QString kMusicFile = QStringLiteral("Music.dat");
const QString kSupportLine =
    QStringLiteral("If the problem persists, please contact The Dorv support line and tell them which file it was.");
const QString kFileNotFound =
    QStringLiteral("File not found. Please check filename or browse to saved directory and select file.");
const QString kMovesFilterSave = QStringLiteral("The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*");
const QString kMovesFilterLoad = QStringLiteral("The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.*");
const QString kGameFilter = QStringLiteral("The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.*");

QString ballPictureName(int index) { return QStringLiteral("ball%1").arg(index); }

// Picture buttons of the layout: object name, artwork, left and top in twips of their container.
struct ButtonPlace {
    const char* name;
    const char* art;
    int left;
    int top;
};

PictureControl* makeButton(QWidget* parent, const ButtonPlace& place)
{
    auto* button = new PictureControl(parent, QString::fromLatin1(place.name));
    button->move(Twips::point(place.left, place.top));
    button->setPicture(Artwork::pixmap(QString::fromLatin1(place.art)));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// Stand-alone buttons show a frame while the mouse button is held on them.
void givePressedLook(PictureControl* button)
{
    QObject::connect(button, &PictureControl::mouseDown, button, [button] { button->setBorderStyle(1); });
    QObject::connect(button, &PictureControl::mouseUp, button, [button] { button->setBorderStyle(0); });
}

// Panel items show a frame while the pointer was last over them, until another item of the panel is.
void highlightOnHover(PictureControl* item, const std::vector<PictureControl*>& panelItems)
{
    QObject::connect(item, &PictureControl::mouseMove, item, [item, panelItems] {
        for (PictureControl* other : panelItems)
            other->setBorderStyle(other == item ? 1 : 0);
    });
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}
}

MainWindow::MainWindow()
    : MainWindow(Services{})
{
}

MainWindow::MainWindow(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_services(std::move(services))
{
    if (!m_services.prompts) {
        m_ownPrompts = std::make_unique<QtPrompts>(this);
        m_services.prompts = m_ownPrompts.get();
    }
    if (!m_services.sound) {
        m_ownSound = std::make_unique<MoveSound>(ProgramFolder::media(QStringLiteral("sound.dat")));
        m_services.sound = m_ownSound.get();
    }
    if (!m_services.printer) {
        m_services.printer = []() -> std::unique_ptr<QPrinter> {
            if (QPrinterInfo::availablePrinters().isEmpty())
                return nullptr;
            return std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter());
        };
    }
    m_game.setObserver(this);

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Dorv 1.0"));
    setWindowIcon(QIcon(Artwork::pixmap(QStringLiteral("icon"), QSize(32, 32), 2)));
    setFixedSize(Twips::size(7860, 6960));

    m_form3 = new HighScoreWindow(this);
    m_mm = new MusicPlayer(this);
    m_mm->setObjectName(QStringLiteral("mm"));
    connect(m_mm, &MusicPlayer::done, this, &MainWindow::mm_Done);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::Timer1_Timer);

    buildLayout();
    // The window itself holds the keyboard focus, so typing reaches the code-word box only after Alt+C.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    Form_Load();
}

MainWindow::~MainWindow()
{
    m_game.setObserver(nullptr);
}

void MainWindow::buildLayout()
{
    m_background = new PictureControl(this, QStringLiteral("bck"));
    m_background->setStretch(true);
    m_background->setPicture(Artwork::pixmap(QStringLiteral("background")));
    m_background->setGeometry(rect());
    connect(m_background, &PictureControl::clicked, this, &MainWindow::hidePanels);

    m_prompt = makeLabel(this, "Label1", Twips::rect(2160, 1080, 3585, 435));
    m_prompt->setStyleSheet(QStringLiteral("color: #fff1c2;"));
    QFont promptFont(QStringLiteral("Sans Serif"));
    promptFont.setBold(true);
    promptFont.setPointSize(18);
    // The prompt keeps the large face but never runs out of its label.
    while (promptFont.pointSize() > 9
           && QFontMetrics(promptFont).horizontalAdvance(QString::fromLatin1(Game::kStartPrompt)) > m_prompt->width())
        promptFont.setPointSize(promptFont.pointSize() - 1);
    m_prompt->setFont(promptFont);

    m_boardArea = new QWidget(this);
    m_boardArea->setObjectName(QStringLiteral("Picture2"));
    m_boardArea->setGeometry(Twips::rect(1200, 1560, 5415, 4575));
    m_boardPicture = new PictureControl(m_boardArea, QStringLiteral("Image6"));
    m_boardPicture->setStretch(true);
    m_boardPicture->setGeometry(Twips::rect(0, 0, 5340, 4515));
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        auto* control = new PictureControl(m_boardArea, QStringLiteral("Image1"), hole);
        control->resize(Twips::size(480, 480));
        control->setVisible(hole == 1);
        connect(control, &PictureControl::clicked, this, [this, hole] { m_game.Image1_Click(hole); });
        m_holes[hole] = control;
    }
    m_holes[1]->move(Twips::point(kHole1Left, kHole1Top));

    m_emptyReference = new PictureControl(this, QStringLiteral("Image3"));
    m_emptyReference->setGeometry(Twips::rect(5760, 360, 375, 375));
    m_ballReference = new PictureControl(this, QStringLiteral("Image4"));
    m_ballReference->setGeometry(Twips::rect(6240, 360, 495, 495));
    m_ballReference->hide();

    m_counter = makeLabel(this, "Label5", Twips::rect(6360, 120, 1215, 255), QStringLiteral("0"));
    m_counter->hide();
    m_startHole = makeLabel(this, "Label3", Twips::rect(6360, 1080, 735, 255));
    m_startHole->hide();
    m_origins = new QListWidget(this);
    m_origins->setObjectName(QStringLiteral("List1"));
    m_origins->setGeometry(Twips::rect(120, 1680, 1095, 1035));
    m_origins->hide();
    m_destinations = new QListWidget(this);
    m_destinations->setObjectName(QStringLiteral("List2"));
    m_destinations->setGeometry(Twips::rect(120, 2760, 1095, 1035));
    m_destinations->hide();

    // The code-word box and its Alt+C button stand far outside the window: never seen, still
    // able to take the keyboard focus.
    m_codeWord = new QLineEdit(this);
    m_codeWord->setObjectName(QStringLiteral("Text1"));
    m_codeWord->setGeometry(Twips::rect(245745, 1800, 735, 375));
    m_codeWord->installEventFilter(this);
    connect(m_codeWord, &QLineEdit::textChanged, this, &MainWindow::Text1_Change);
    m_codeButton = new QPushButton(QStringLiteral("&C"), this);
    m_codeButton->setObjectName(QStringLiteral("Command1"));
    m_codeButton->setGeometry(Twips::rect(245745, 2400, 735, 375));
    connect(m_codeButton, &QPushButton::clicked, this, [this] { m_codeWord->setFocus(Qt::ShortcutFocusReason); });

    buildChoosers();
    buildToolbar();
}

void MainWindow::buildChoosers()
{
    auto* chooser = new QWidget(this);
    chooser->setObjectName(QStringLiteral("Picture1"));
    chooser->setGeometry(Twips::rect(1680, 120, 4455, 855));
    auto* caption = makeLabel(chooser, "Label2", Twips::rect(120, 0, 3105, 195),
                              QStringLiteral("Select a type of 'balll' or element to play with"));
    caption->setStyleSheet(QStringLiteral("color: #fbe7a1; font-size: 8pt;"));
    caption->adjustSize();
    static constexpr int kChoiceLeft[7] = {120, 720, 1320, 3120, 1920, 2520, 3720};
    static constexpr int kHiddenLeft[5] = {0, 0, 600, 1200, 0};
    for (int index = 0; index < 12; ++index) {
        auto* choice = new PictureControl(chooser, QStringLiteral("Image2"), index);
        choice->setStretch(true);
        if (index < 7) {
            // Every choice is shown at the chooser's size; the larger globe too.
            choice->setGeometry(Twips::rect(kChoiceLeft[index], 240, 480, 480));
            choice->setPicture(Artwork::pixmap(ballPictureName(index), choice->size()));
            choice->setCursor(Qt::PointingHandCursor);
            givePressedLook(choice);
            connect(choice, &PictureControl::clicked, this, [this, index] { Image2_Click(index); });
        } else {
            choice->setGeometry(Twips::rect(index < 11 ? kHiddenLeft[index - 7] : 0, 0, 480, 480));
            choice->hide();
        }
        m_ballChoices[index] = choice;
    }
    m_ein = new PictureControl(chooser, QStringLiteral("ein"));
    m_ein->setGeometry(Twips::rect(4080, 0, 480, 480));
    m_ein->hide();

    auto* boards = new QWidget(this);
    boards->setObjectName(QStringLiteral("Picture3"));
    boards->setGeometry(Twips::rect(6720, 1680, 1095, 3975));
    auto* boardCaption = makeLabel(boards, "Label4", Twips::rect(0, 120, 1095, 255), QStringLiteral("Chose Board"));
    boardCaption->setAlignment(Qt::AlignCenter);
    boardCaption->setStyleSheet(QStringLiteral("color: #fbe7a1; font-weight: bold; font-size: 7pt;"));
    for (int index = 0; index < 3; ++index) {
        auto* choice = new PictureControl(boards, QStringLiteral("Image23"), index);
        choice->setStretch(true);
        choice->setGeometry(Twips::rect(120, 480 + index * 1080, 855, 735));
        choice->setPicture(Artwork::pixmap(QStringLiteral("board%1").arg(index), choice->size()));
        choice->setCursor(Qt::PointingHandCursor);
        givePressedLook(choice);
        connect(choice, &PictureControl::clicked, this, [this, index] { showBoard(index); });
        m_boardChoices[index] = choice;
    }
    showBoard(0);
}

void MainWindow::buildToolbar()
{
    auto* game = makeButton(this, {"Image7", "btn_game", 120, 240});
    auto* moves = makeButton(this, {"Image19", "btn_moves", 120, 6240});
    auto* undo = makeButton(this, {"Image18", "btn_undo", 6120, 960});
    auto* highScores = makeButton(this, {"Image5", "btn_highscores", 4920, 6240});

    m_gamePanel = new Panel(this, QStringLiteral("men"), Twips::rect(120, 720, 1815, 3015));
    auto* newGame = makeButton(m_gamePanel, {"Image8", "btn_new", 360, 0});
    auto* loadGame = makeButton(m_gamePanel, {"Image9", "btn_load", 240, 480});
    auto* saveGame = makeButton(m_gamePanel, {"Image10", "btn_save", 240, 960});
    auto* sound = makeButton(m_gamePanel, {"Image11", "btn_sound", 120, 1440});
    auto* music = makeButton(m_gamePanel, {"Image14", "btn_music", 240, 1920});
    for (const char* name : {"Line1", "Line2"}) {
        auto* line = new QWidget(m_gamePanel);
        line->setObjectName(QString::fromLatin1(name));
        line->setGeometry(0, Twips::px(2400), Twips::px(1800), name[4] == '1' ? 2 : 1);
        line->setAutoFillBackground(true);
        line->setPalette(QPalette(QColor(201, 154, 46)));
    }
    auto* quitItem = makeButton(m_gamePanel, {"Image17", "btn_quit", 360, 2400});

    m_soundPanel = new Panel(this, QStringLiteral("men1"), Twips::rect(1920, 2160, 1215, 1215));
    auto* soundOn = makeButton(m_soundPanel, {"Image12", "btn_on", 240, 120});
    auto* soundOff = makeButton(m_soundPanel, {"Image13", "btn_off", 240, 600});
    m_musicPanel = new Panel(this, QStringLiteral("men2"), Twips::rect(1920, 2640, 1215, 1215));
    auto* musicOn = makeButton(m_musicPanel, {"Image15", "btn_on", 240, 120});
    auto* musicOff = makeButton(m_musicPanel, {"Image16", "btn_off", 240, 600});

    m_movesPanel = new Panel(this, QStringLiteral("men3"), Twips::rect(120, 4680, 1815, 1575));
    auto* view = makeButton(m_movesPanel, {"Image22", "btn_view", 240, 0});
    auto* saveMoves = makeButton(m_movesPanel, {"Image21", "btn_save", 240, 480});
    auto* loadMoves = makeButton(m_movesPanel, {"Image20", "btn_load", 240, 960});

    for (PictureControl* button : {game, moves, undo, highScores, soundOn, soundOff, musicOn, musicOff})
        givePressedLook(button);
    const std::vector<PictureControl*> gameItems{newGame, loadGame, saveGame, sound, music, quitItem};
    for (PictureControl* item : gameItems)
        highlightOnHover(item, gameItems);
    const std::vector<PictureControl*> movesItems{loadMoves, saveMoves, view};
    for (PictureControl* item : movesItems)
        highlightOnHover(item, movesItems);

    auto hideSubPanels = [this] {
        m_soundPanel->hide();
        m_musicPanel->hide();
    };
    auto showSoundPanel = [this] {
        m_soundPanel->show();
        m_musicPanel->hide();
    };
    auto showMusicPanel = [this] {
        m_soundPanel->hide();
        m_musicPanel->show();
    };

    connect(game, &PictureControl::clicked, this, [this] {
        m_soundPanel->hide();
        m_musicPanel->hide();
        m_movesPanel->hide();
        m_gamePanel->setVisible(!m_gamePanel->isVisible());
    });
    for (PictureControl* item : {newGame, loadGame, saveGame, quitItem})
        connect(item, &PictureControl::mouseMove, this, hideSubPanels);
    connect(sound, &PictureControl::mouseMove, this, showSoundPanel);
    connect(sound, &PictureControl::clicked, this, showSoundPanel);
    connect(music, &PictureControl::mouseMove, this, showMusicPanel);
    connect(music, &PictureControl::clicked, this, showMusicPanel);
    connect(newGame, &PictureControl::clicked, this, &MainWindow::Image8_Click);
    connect(loadGame, &PictureControl::clicked, this, [this] {
        m_gamePanel->hide();
        loadgame();
    });
    connect(saveGame, &PictureControl::clicked, this, [this] {
        m_gamePanel->hide();
        savegame();
    });
    connect(quitItem, &PictureControl::clicked, this, &MainWindow::quit);
    connect(soundOn, &PictureControl::clicked, this, [this] { setSound(true); });
    connect(soundOff, &PictureControl::clicked, this, [this] { setSound(false); });
    connect(musicOn, &PictureControl::clicked, this, [this] { setMusic(true); });
    connect(musicOff, &PictureControl::clicked, this, [this] { setMusic(false); });

    connect(moves, &PictureControl::mouseDown, this, [this] {
        m_gamePanel->hide();
        m_soundPanel->hide();
        m_musicPanel->hide();
    });
    connect(moves, &PictureControl::clicked, this, [this] { m_movesPanel->setVisible(!m_movesPanel->isVisible()); });

    m_view = new QMenu(QStringLiteral("view"), this);
    m_view->setObjectName(QStringLiteral("view"));
    QAction* vboard = m_view->addAction(QStringLiteral("&View moves been played on the board"));
    vboard->setObjectName(QStringLiteral("vboard"));
    QAction* vtext = m_view->addAction(QStringLiteral("&View the moves played in text mode"));
    vtext->setObjectName(QStringLiteral("vtext"));
    connect(vboard, &QAction::triggered, this, [this] {
        playmoves();
        m_movesPanel->hide();
    });
    connect(vtext, &QAction::triggered, this, [this] {
        showmoves();
        m_movesPanel->hide();
    });
    connect(view, &PictureControl::clicked, this, [this] { m_view->popup(QCursor::pos()); });
    connect(saveMoves, &PictureControl::clicked, this, [this] {
        m_movesPanel->hide();
        savemoves();
    });
    connect(loadMoves, &PictureControl::clicked, this, [this] {
        m_movesPanel->hide();
        loadmoves();
    });

    connect(undo, &PictureControl::clicked, this, [this] { m_game.Image18_Click(); });
    connect(highScores, &PictureControl::mouseDown, this, &MainWindow::hidePanels);
    // The hall of fame opens on button-up, after the frame is gone, wherever the button is released.
    connect(highScores, &PictureControl::mouseUp, this, [this] { m_form3->exec(); }, Qt::QueuedConnection);
}

void MainWindow::Form_Load()
{
    geths();
    GameState& state = m_game.state();
    state.musicon = 1;
    state.soundon = 1;
    state.firstball = 1;
    state.selstate = 0;
    state.selhole = 0;
    state.emptybefore = 0;
    state.emptyafter = 0;
    m_ballName = ballPictureName(1);
    m_holes[1]->setPicture(Artwork::pixmap(m_ballName));
    loadballs();
    m_background->setGeometry(rect());
    m_background->lower();
    m_boardPicture->lower();
    state.replaying = 0;
    state.musicon = static_cast<std::int16_t>(OptionValue::read(readOption(QStringLiteral("Music"))));
    state.soundon = static_cast<std::int16_t>(OptionValue::read(readOption(QStringLiteral("Sound"))));
    // Opening the synthesiser takes a moment: the music starts once the window is up.
    if (state.musicon == 1)
        QTimer::singleShot(0, this, [this] {
            if (m_game.state().musicon == 1)
                playmusic(kMusicFile);
        });
}

void MainWindow::resizeEvent(QResizeEvent*)
{
    if (!m_background)
        return;
    m_background->resize(size());
    m_background->lower();
}

void MainWindow::loadballs()
{
    chkscore();
    m_timer->stop();
    m_game.startNewGame();
    placeHoles();
    for (int hole = 2; hole <= kHoleCount; ++hole)
        m_holes[hole]->show();
    m_background->lower();
    m_boardPicture->lower();
}

void MainWindow::placeHoles()
{
    // Every hole is a copy of hole 1: its picture and size, placed relative to it, so a larger
    // ball picture spaces the board out.
    const QPoint origin = m_holes[1]->pos();
    const QSize size = m_holes[1]->size();
    for (int hole = 2; hole <= kHoleCount; ++hole) {
        const auto position = BoardGeometry::holePosition(static_cast<HoleNumber>(hole), Twips::fromPx(origin.x()),
                                                          Twips::fromPx(origin.y()), Twips::fromPx(size.width()),
                                                          Twips::fromPx(size.height()));
        m_holes[hole]->setGeometry(QRect(Twips::point(position.left, position.top), size));
    }
}

void MainWindow::Image8_Click()
{
    for (int hole = 2; hole <= kHoleCount; ++hole)
        m_holes[hole]->hide();
    m_holes[1]->setPicture(Artwork::pixmap(m_ballName));
    m_holes[1]->setBorderStyle(0);
    loadballs();
    m_gamePanel->hide();
}

void MainWindow::chkscore()
{
    HallOfFame& hall = m_form3->hall();
    const std::string score = m_game.counter();
    const int place = hall.placeWon(score);
    if (place == 0) {
        if (m_game.state().quitting == 1)
            endProcess();
        return;
    }
    const QString answer = m_services.prompts->askText(QString::fromLatin1(HallOfFame::kNamePrompt),
                                                       QString::fromLatin1(HallOfFame::kNameTitle),
                                                       QString::fromLatin1(HallOfFame::kDefaultAnswer));
    hall.enter(place, HallOfFame::nameFromAnswer(answer.toStdString()), score);
    m_form3->refresh();
    savescore();
}

void MainWindow::savescore()
{
    writeFile(m_hallOfFame.writePath(),
              HighScoreFile::serialise(m_form3->hall()), QStringLiteral("The hall of fame"));
    if (m_game.state().quitting == 1)
        endProcess();
}

void MainWindow::geths()
{
    if (const auto bytes = FileStore::read(m_hallOfFame.readPath())) {
        HighScoreFile::read(*bytes, m_form3->hall());
        m_form3->refresh();
    }
}

void MainWindow::endProcess()
{
    if (m_ended)
        return;
    m_ended = true;
    m_timer->stop();
    if (m_services.endProcess)
        m_services.endProcess();
    else
        QCoreApplication::exit(0);
}

void MainWindow::quit()
{
    m_game.state().quitting = 1;
    chkscore();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_ended) {
        m_game.state().quitting = 1;
        chkscore();
        endProcess();
    }
    event->accept();
}

void MainWindow::hidePanels()
{
    m_soundPanel->hide();
    m_gamePanel->hide();
    m_musicPanel->hide();
    m_movesPanel->hide();
}

void MainWindow::boardChanged()
{
    const QPixmap ball = Artwork::pixmap(m_ballName);
    m_ballReference->setPicture(ball);
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        PictureControl* control = m_holes[hole];
        control->setPicture(m_game.board().isEmpty(hole) ? QPixmap() : ball);
        control->setBorderStyle(m_game.isFramed(hole) ? 1 : 0);
    }
    m_prompt->setText(QString::fromStdString(m_game.prompt()));
    m_counter->setText(QString::fromStdString(m_game.counter()));
    const MoveHistory& history = m_game.history();
    m_startHole->setText(QString::fromStdString(history.startHole()));
    for (auto [list, items] : {std::pair{m_origins, &history.origins()}, std::pair{m_destinations, &history.destinations()}}) {
        list->clear();
        for (const std::string& item : *items)
            list->addItem(QString::fromStdString(item));
    }
}

void MainWindow::playsound()
{
    // The board shows the jump before the sound starts; the sound blocks until it has finished.
    m_boardArea->repaint();
    m_prompt->repaint();
    m_services.sound->playsound();
}

void MainWindow::playmusic(const QString& fileName)
{
    m_mm->stop();
    m_mm->close();
    m_mm->setFileName(ProgramFolder::media(fileName));
    m_mm->open();
    m_mm->play();
}

void MainWindow::mm_Done()
{
    m_mm->stop();
    m_mm->close();
    if (m_game.state().musicon == 1) {
        m_mm->open();
        m_mm->play();
    }
}

void MainWindow::setSound(bool on)
{
    m_soundPanel->hide();
    m_gamePanel->hide();
    m_game.state().soundon = on ? 1 : 0;
    writeOption(QStringLiteral("Sound"), on);
}

void MainWindow::setMusic(bool on)
{
    m_musicPanel->hide();
    m_gamePanel->hide();
    m_game.state().musicon = on ? 1 : 0;
    if (on) {
        playmusic(kMusicFile);
    } else {
        m_mm->stop();
        m_mm->close();
    }
    writeOption(QStringLiteral("Music"), on);
}

std::optional<std::string> MainWindow::readOption(const QString& key) const
{
    QSettings settings(QString::fromLatin1(kTitle), QString::fromLatin1(kTitle));
    settings.beginGroup(QStringLiteral("Options"));
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key).toString().toStdString();
}

void MainWindow::writeOption(const QString& key, bool on)
{
    QSettings settings(QString::fromLatin1(kTitle), QString::fromLatin1(kTitle));
    settings.beginGroup(QStringLiteral("Options"));
    settings.setValue(key, QString::fromStdString(OptionValue::write(on)));
}

bool MainWindow::writeFile(const QString& path, const std::string& bytes, const QString& what)
{
    QString error;
    if (FileStore::write(path, bytes, &error))
        return true;
    m_services.prompts->message(QStringLiteral("%1 could not be saved to the file\n%2\n\n%3")
                                    .arg(what, QDir::toNativeSeparators(path), error),
                                QString::fromLatin1(kTitle), Prompts::Icon::Critical);
    return false;
}

QString MainWindow::chooseSaveFile(const QString& title, const QString& filter, const QString& suffix)
{
    for (;;) {
        const QString name = m_services.prompts->saveFileName(title, filter, suffix);
        if (name.trimmed().isEmpty())
            return {};
        if (!FileStore::exists(name))
            return name;
        const QString question = QStringLiteral("The file %1 already exists.\r\r").arg(name) + QStringLiteral("Replace file?");
        if (m_services.prompts->askYesNo(question, QStringLiteral("Save file"), false))
            return name;
    }
}

std::optional<std::string> MainWindow::chooseFileToLoad(const QString& title, const QString& filter, const QString& suffix)
{
    for (;;) {
        const QString name = m_services.prompts->openFileName(title, filter, suffix);
        if (name.trimmed().isEmpty())
            return std::nullopt;
        if (auto bytes = FileStore::read(name))
            return bytes;
        m_services.prompts->message(kFileNotFound, QString::fromLatin1(kTitle), Prompts::Icon::None);
    }
}

void MainWindow::reportCorrupted(const QString& what)
{
    m_services.prompts->message(QStringLiteral("The %1 file is corrupted. You can not load this file.\r\r").arg(what) + kSupportLine,
                                QStringLiteral("Error reading file"), Prompts::Icon::Critical);
}

void MainWindow::savegame()
{
    const QString name = chooseSaveFile(QStringLiteral("Save Game"), kGameFilter, QStringLiteral("dvg"));
    if (!name.isEmpty())
        writeFile(name, SavedGameFile::serialise(m_game.board(), m_game.state().firstball), QStringLiteral("The game"));
}

void MainWindow::loadgame()
{
    const auto bytes = chooseFileToLoad(QStringLiteral("Load Game"), kGameFilter, QStringLiteral("dvg"));
    if (!bytes)
        return;
    const SavedGameFile::Reading reading = SavedGameFile::read(*bytes);
    m_game.applySavedGame(reading.entries);
    if (reading.corrupted) {
        reportCorrupted(QStringLiteral("game"));
        loadballs();
    }
}

void MainWindow::savemoves()
{
    const QString name = chooseSaveFile(QStringLiteral("Save Moves"), kMovesFilterSave, QStringLiteral("dvm"));
    if (!name.isEmpty())
        writeFile(name, MovesFile::serialise(m_game.history()), QStringLiteral("The moves"));
}

void MainWindow::loadmoves()
{
    const auto bytes = chooseFileToLoad(QStringLiteral("Load Moves"), kMovesFilterLoad, QStringLiteral("dvm"));
    if (!bytes)
        return;
    if (!m_services.prompts->askYesNo(
            QStringLiteral("Loading a MOVES file shall clear the current game. Are you sure you want to continue?"),
            QString::fromLatin1(kTitle), true))
        return;
    Image8_Click();
    const bool complete = MovesFile::read(*bytes, m_game.history());
    boardChanged();
    if (!complete)
        reportCorrupted(QStringLiteral("game moves"));
}

void MainWindow::playmoves()
{
    m_game.playmoves();
    m_timer->start(1000);
}

void MainWindow::Timer1_Timer()
{
    if (!m_game.Timer1_Timer())
        m_timer->stop();
}

void MainWindow::showmoves()
{
    if (!m_printerLooked) {
        m_printer = m_services.printer();
        m_printerLooked = true;
    }
    MovesWindow window(QString::fromStdString(MovesText::build(m_game.history())), m_printer.get(),
                       m_services.prompts, this);
    window.exec();
}

void MainWindow::switchBall(const QString& name)
{
    hidePanels();
    m_ballName = name;
    boardChanged();
}

void MainWindow::Image2_Click(int index)
{
    if (index >= 0 && index <= 10)
        switchBall(ballPictureName(index));
}

void MainWindow::ein_Click() { switchBall(QStringLiteral("ein")); }

void MainWindow::showBoard(int index)
{
    m_boardPicture->setPicture(Artwork::pixmap(QStringLiteral("board%1").arg(index), m_boardPicture->size()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_codeWord && event->type() == QEvent::FocusIn)
        m_codeWord->clear();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::Text1_Change()
{
    const int picture = ThemeCodeWords::match(m_codeWord->text().toStdString());
    if (picture == ThemeCodeWords::kNoMatch)
        return;
    if (picture == ThemeCodeWords::kEin)
        ein_Click();
    else
        Image2_Click(picture);
    m_codeWord->clear();
}
