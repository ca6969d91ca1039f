#include "PuzzleClass.h"

#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "data/QzError.h"
#include "data/RandomGenerator.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zindo {

namespace {

constexpr std::int32_t LevelPieceSizes[10] = {120, 120, 100, 100, 85, 85, 75, 75, 66, 66};

/// Calendar days of Ms milliseconds.
constexpr double Days(double Ms) { return Ms / MsPerDay; }

/// Wrap-safe "tick A lies after tick B": the signed 32-bit difference, so that
/// deadlines set just before the tick counter wraps still lie ahead.
bool TickAfter(std::uint32_t A, std::uint32_t B)
{
    return static_cast<std::int32_t>(A - B) > 0;
}

std::int32_t RoundToInt(double Value)
{
    return static_cast<std::int32_t>(std::nearbyint(Value));
}

/// The background texture behind every level picture. It is always JPEG,
/// whatever name the container stored.
QImage LoadBackgroundTexture()
{
    const QString path = DecodeToTemp(GameDataPath(QStringLiteral("IPBK.DAT")));
    QImageReader reader(path, QByteArrayLiteral("jpeg"));
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        throw EQzError(QCoreApplication::translate("Files", "Cannot read picture \"%1\". %2")
                           .arg(path, reader.errorString()));
    return image;
}

/// A sprite of the game's data folder (broom, zindo frames), read in memory:
/// the session is made before the window first shows.
TQzBitmap LoadSprite(const QString& Relative)
{
    return TransparentBitmap(LoadContainedPicture(GameDataPath(Relative)));
}

} // namespace

std::int32_t PieceSizeForLevel(std::int32_t Level)
{
    return LevelPieceSizes[std::clamp(Level, 1, 10) - 1];
}

TBoardLayout BoardLayoutFor(std::int32_t SourceWidth, std::int32_t SourceHeight, std::int32_t MaxSide,
                            std::int32_t PieceSize)
{
    TBoardLayout layout;
    const std::int32_t side = (MaxSide / PieceSize) * PieceSize;
    const double aspect = SourceHeight > 0 ? double(SourceWidth) / double(SourceHeight) : 1.0;
    // Rounding to nearest with halves to even (the default rounding mode).
    if (SourceWidth > SourceHeight) {
        layout.PictureWidth = side - 15;
        layout.PictureHeight = RoundToInt(layout.PictureWidth / aspect);
    } else {
        layout.PictureHeight = side - 15;
        layout.PictureWidth = RoundToInt(layout.PictureHeight * aspect);
    }
    layout.PictureWidth = std::max(layout.PictureWidth, 1);
    layout.PictureHeight = std::max(layout.PictureHeight, 1);
    // Whole pieces around the picture plus a margin of at least 15 pixels.
    const auto ceiling = [](double x) { return static_cast<std::int32_t>(x + 0.999999999); };
    layout.Width = PieceSize * ceiling(double(layout.PictureWidth + 15) / PieceSize);
    layout.Height = PieceSize * ceiling(double(layout.PictureHeight + 15) / PieceSize);
    layout.PictureLeft = RoundToInt(layout.Width / 2.0 - layout.PictureWidth / 2.0);
    layout.PictureTop = RoundToInt(layout.Height / 2.0 - layout.PictureHeight / 2.0);
    return layout;
}

TPuzzleSprites TPuzzleSprites::Load()
{
    TPuzzleSprites sprites;
    sprites.Broom = LoadSprite(QStringLiteral("IBROOM.dat"));
    for (int i = 0; i < 4; ++i)
        sprites.ZindoFrames[static_cast<std::size_t>(i)] = LoadSprite(QStringLiteral("izn%1.dat").arg(i));
    return sprites;
}

TPuzzleClass::TPuzzleClass(TClock& AClock, TRandomGenerator& ARandom)
    : TPuzzleClass(AClock, ARandom, TPuzzleSprites::Load())
{
}

TPuzzleClass::TPuzzleClass(TClock& AClock, TRandomGenerator& ARandom, TPuzzleSprites ASprites)
    : Clock(AClock), Generator(ARandom), Sprites(std::move(ASprites)), PiecePot(AClock, ARandom)
{
    PiecePot.Length = PotDesignLength;
}

void TPuzzleClass::SetSprites(TPuzzleSprites ASprites)
{
    Sprites = std::move(ASprites);
}

TPuzzleClass::~TPuzzleClass() = default;

// --- Loading -------------------------------------------------------------------

QImage ComposeBoardPicture(const QImage& Source, const QImage& Texture, const TBoardLayout& Layout, QSize Size)
{
    QImage board(Size, QImage::Format_RGB32);
    board.fill(Qt::black);
    if (Size.isEmpty() || Layout.Width <= 0 || Layout.Height <= 0)
        return board;
    const double scaleX = double(Size.width()) / Layout.Width;
    const double scaleY = double(Size.height()) / Layout.Height;
    const auto x = [scaleX](double Value) { return static_cast<int>(std::lround(Value * scaleX)); };
    const auto y = [scaleY](double Value) { return static_cast<int>(std::lround(Value * scaleY)); };
    const auto place = [&](double Left, double Top, double Width, double Height) {
        return QRect(QPoint(x(Left), y(Top)), QPoint(x(Left + Width) - 1, y(Top + Height) - 1));
    };
    QPainter painter(&board);
    if (!Texture.isNull()) {
        const QRect texture = place(0, 0, Texture.width(), Texture.height());
        if (texture.size() == Texture.size())
            painter.drawImage(0, 0, Texture);
        else
            painter.drawImage(0, 0, Texture.scaled(texture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    painter.fillRect(place(Layout.PictureLeft + 3, Layout.PictureTop + 3, Layout.PictureWidth, Layout.PictureHeight),
                     QColor(0x80, 0x80, 0x80));
    const QRect photo = place(Layout.PictureLeft, Layout.PictureTop, Layout.PictureWidth, Layout.PictureHeight);
    if (!photo.isEmpty() && !Source.isNull())
        painter.drawImage(photo.topLeft(), Source.convertToFormat(QImage::Format_RGB32)
                                               .scaled(photo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return board;
}

void DrawCheckCross(QPainter& Painter, const QRect& Cell, double Scale)
{
    const QPen edge(Qt::white, 5 * Scale, Qt::SolidLine, Qt::FlatCap);
    const QPen cross(QColor(255, 0, 0), 3 * Scale, Qt::SolidLine, Qt::FlatCap);
    const QPointF topLeft(Cell.left(), Cell.top());
    const QPointF size(Cell.width(), Cell.height());
    Painter.save();
    Painter.setClipRect(Cell, Qt::IntersectClip);
    for (const QPen& pen : {edge, cross}) {
        Painter.setPen(pen);
        Painter.drawLine(QLineF(topLeft, topLeft + size));
        Painter.drawLine(QLineF(topLeft + QPointF(size.x(), 0), topLeft + QPointF(0, size.y())));
    }
    Painter.restore();
}

void TPuzzleClass::LoadPicture(const QString& FileName, std::int32_t ALevel)
{
    // Everything that can fail comes first, so that a picture that cannot be
    // read leaves the puzzle as it was.
    const std::int32_t size = PieceSizeForLevel(ALevel);
    QImage source = LoadPictureFile(FileName);
    QImage texture = LoadBackgroundTexture();
    const TBoardLayout layout = BoardLayoutFor(source.width(), source.height(), MaxBoardSide, size);
    QImage picture = zindo::ComposeBoardPicture(source, texture, layout, QSize(layout.Width, layout.Height))
                         .convertToFormat(QImage::Format_BGR888);

    AbortRequested = false;
    PotFullSince = 0;
    IdleSince = 0;
    NextZindoRun = 0;
    LevelFinished = false;
    LevelNumber = ALevel;

    PiecePot.Clear();

    LivesLeft = 3;
    BonusSlots.fill(TBonusSlot());
    BonusSlots[bnJoker].Count = 2;
    BonusSlots[bnCheck].Count = 2;
    BonusSlots[bnCleanup].Count = 2;

    // The pieces of the previous level go, and with them any piece still in
    // hand: the hand must not point at a released piece, and the pre-placement
    // below must be judged as plain drops.
    Falling.clear();
    ClearBoard();
    Held = nullptr;
    HeldPieceKind = pkPlain;
    PieceList.clear();

    PieceSide = size;
    ComposedPicture = std::move(picture);
    // Kept in 24 bits, three quarters of the memory of 32: views compose
    // from them only when the level or the screen's scale changes. The
    // texture is kept as far as the board reaches.
    LevelSource = source.convertToFormat(QImage::Format_RGB888);
    source = QImage();
    LevelTexture =
        texture.copy(0, 0, std::min(texture.width(), layout.Width), std::min(texture.height(), layout.Height))
            .convertToFormat(QImage::Format_RGB888);
    LevelLayout = layout;

    PalePicture = ComposedPicture.copy();
    for (int y = 0; y < PalePicture.height(); ++y) {
        std::uint8_t* line = PalePicture.scanLine(y);
        for (int x = 0; x < PalePicture.width(); ++x)
            ShiftPixelBytes(170, line + x * 3);
    }

    ColumnCount = ComposedPicture.width() / PieceSide;
    RowCount = ComposedPicture.height() / PieceSide;

    for (std::int32_t c = 0; c < ColumnCount; ++c) {
        for (std::int32_t r = 0; r < RowCount; ++r) {
            auto piece = std::make_unique<TPiece>();
            piece->Column = c;
            piece->Row = r;
            piece->Size = PieceSide;
            piece->SourceLeft = c * PieceSide;
            piece->SourceTop = r * PieceSide;
            piece->Place = plFree;
            piece->Bitmap = ComposedPicture.copy(piece->SourceLeft, piece->SourceTop, PieceSide, PieceSide);
            PieceList.push_back(std::move(piece));
        }
    }

    const auto n = static_cast<std::uint32_t>(PieceList.size());
    const std::int32_t target = RoundToInt(n * 20 / 100.0);
    for (std::int32_t placed = 0; placed < target;) {
        TPiece& piece = *PieceList[Generator.Random(n)];
        if (piece.Place != plFree)
            continue;
        DropAt(piece, piece.Column, piece.Row);
        ++placed;
    }

    PiecePot.PieceSize = PieceSide;
    RaidRunning = false;
    CurrentState = stLoaded;
    MarkBoardDirty();
}

// --- Rules of a level ----------------------------------------------------------------

void TPuzzleClass::Start()
{
    const std::uint32_t now = Clock.TickCount();
    PlayTimeMs = 0;
    DealSpeedFactor = 1.0;
    SpeedChangeTime = 0;
    AbortRequested = false;
    PotFullSince = 0;
    BonusSlots[bnPreview].Active = true;
    BonusSlots[bnPreview].ActiveUntil = now + 10000;
    NextZindoRun = now + 60000 + Generator.Random(120000);
    if (CurrentState == stLoaded)
        CurrentState = stPlaying;
    // A step and a feed are due at once, so that the first Update steps and
    // deals whatever the tick counter reads (ticks count from an arbitrary
    // start, and may lie just above 0).
    LastStepTime = now - 50;
    LastFeedTime = now - FeedInterval();
    LevelPoints.Reset();
    LevelPoints.SetSpeedAllowance(static_cast<std::int32_t>(PieceList.size()) * 3000);
    MarkBoardDirty();
}

void TPuzzleClass::Update()
{
    const std::uint32_t now = Clock.TickCount();
    if (CurrentState == stPlaying) {
        if (TickDiff(now, LastSecondTime) >= 1000) {
            LastSecondTime = now;
            PlayTimeMs += 1000;
        }
        if (TickDiff(now, LastStepTime) >= 50) {
            LastStepTime = now;
            Step();
        }
        // The dealing speed relaxes toward 1 in steps of 1.1 every 10 s.
        if (SpeedChangeTime != 0 && TickDiff(now, SpeedChangeTime) > 10000) {
            if (DealSpeedFactor > 1)
                DealSpeedFactor /= 1.1;
            else if (DealSpeedFactor < 1)
                DealSpeedFactor *= 1.1;
            SpeedChangeTime = now;
        }
        if (TickDiff(now, LastFeedTime) >= FeedInterval() && PiecePot.HasRoom()) {
            LastFeedTime = now;
            FeedNow();
        }
    } else if (IsEndState(CurrentState) && PiecePot.Count() > 0) {
        PiecePot.Clear();
        ChangeNotify(RepaintPot);
    }
    if (CurrentState != LastReportedState)
        ReportState(CurrentState);
}

std::uint32_t TPuzzleClass::MsToNextStep() const
{
    const std::uint32_t since = TickDiff(Clock.TickCount(), LastStepTime);
    return since >= 50 ? 0 : 50 - since;
}

bool TPuzzleClass::UpdateIdle() const
{
    return CurrentState != stPlaying && CurrentState == LastReportedState && !(IsEndState(CurrentState) && PiecePot.Count() > 0);
}

void TPuzzleClass::Step()
{
    const std::uint32_t now = Clock.TickCount();

    bool expired = false;
    for (TBonusSlot& slot : BonusSlots) {
        if (slot.Active && TickAfter(now, slot.ActiveUntil)) {
            slot.Active = false;
            expired = true;
        }
    }
    if (expired)
        MarkBoardDirty();

    StepFallingPieces();

    if (TickAfter(now, NextZindoRun)) {
        StartZindoRun();
        NextZindoRun = now + 60000 + Generator.Random(120000);
    }

    StepZindo();
    StepBroom();
    StepSparkle();

    PiecePot.Move(1.0);
    ChangeNotify(RepaintPot);

    if (TickDiff(now, LastPotCheckTime) > 1000) {
        LastPotCheckTime = now;
        CheckPot();
    }

    if (BoardDirty)
        RenderBoard();
}

void TPuzzleClass::CheckPot()
{
    if (PiecePot.IsFull()) {
        if (PotFullSince == 0)
            PotFullSince = Clock.Now();
        UpdateState();
    } else {
        PotFullSince = 0;
    }
    if (PotFullSince == 0) {
        // Everything dealt and the pot quiet: the player is given a few
        // seconds per pot entry to go on.
        if (PiecePot.IsBusy() || FreePieceCount() > 0) {
            IdleSince = 0;
        } else {
            if (IdleSince == 0)
                IdleSince = Clock.Now();
            UpdateState();
        }
    }
}

TPuzzleState TPuzzleClass::GetState()
{
    if (CurrentState != stPlaying)
        return CurrentState;

    TPuzzleState result = stPlaying;
    const double now = Clock.Now();
    if (AbortRequested) {
        result = stAbandoned;
    } else if (LivesLeft <= 0) {
        result = stNoLives;
    } else if (PotFullSince != 0 && now - PotFullSince > Days(10000)) {
        result = stTooSlow;
    } else if (IdleSince != 0 && now - IdleSince > Days(5000.0 * (PiecePot.Count() + 1))) {
        result = stTooSlow;
    } else {
        bool wrong = false;
        for (std::int32_t c = 0; c < ColumnCount; ++c) {
            for (std::int32_t r = 0; r < RowCount; ++r) {
                const TPiece* piece = Cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
                if (!piece)
                    return stPlaying;
                if (piece->Column != c || piece->Row != r)
                    wrong = true;
            }
        }
        result = wrong ? stWrong : stSolved;
    }

    // The level is over. Nothing stays in the hand: the held piece goes back
    // first, so that the counter is reset or kept with the board as it lies.
    ReturnHeldPiece();
    if (result == stSolved)
        LevelPoints.SetFinishTime(static_cast<std::int32_t>(PlayTimeMs));
    else if (result == stTooSlow || result == stWrong)
        LevelPoints.Reset();
    CurrentState = result;
    LevelFinished = true;
    // Nothing moves on an ended board, since its animations step only while
    // the level is played: pieces still falling, the zindo, the broom and the
    // sparkle go rather than hang frozen over the final picture.
    Falling.clear();
    RaidRunning = false;
    Sweeping = false;
    SparkleSteps = -1;
    // Every view shows the ended level: the board with the returned piece, the
    // pot (emptied at the next update) and the bonus boxes, black now that
    // they do nothing.
    ChangeNotify(RepaintAll);
    return result;
}

void TPuzzleClass::UpdateState()
{
    if (OnStateChange)
        ReportState(GetState());
}

void TPuzzleClass::ReportState(TPuzzleState AState)
{
    LastReportedState = AState;
    if (OnStateChange)
        OnStateChange(*this, GetState());
}

std::uint32_t TPuzzleClass::FeedInterval() const
{
    const double numerator = 13000.0 - 200.0 * LevelNumber - double(PlayTimeMs / 1000);
    const double factor = DealSpeedFactor > 0 ? DealSpeedFactor : 1.0;
    const double interval = std::nearbyint(numerator / factor);
    return interval < 4000 ? 4000u : static_cast<std::uint32_t>(interval);
}

std::int32_t TPuzzleClass::BonusCount(TBonusKind Slot) const
{
    if (Slot >= BonusSlotCount || CurrentState != stPlaying)
        return 0;
    const std::int32_t count = std::max(BonusSlots[Slot].Count, 0);
    return Held ? -count : count;
}

void TPuzzleClass::UseBonus(TBonusKind Slot, std::int32_t DurationMs)
{
    GetState();
    if (BonusCount(Slot) < 1)
        return;
    TBonusSlot& slot = BonusSlots[Slot];
    switch (Slot) {
    case bnCheck:
        slot.Active = true;
        slot.ActiveUntil = Clock.TickCount() + static_cast<std::uint32_t>(DurationMs);
        MarkBoardDirty();
        ChangeNotify(RepaintBoard);
        SpendBonus(Slot);
        break;
    case bnJoker:
        if (PiecePot.Count() > 0 && !Held) {
            TakeFromPot(static_cast<std::int32_t>(Generator.Random(static_cast<std::uint32_t>(PiecePot.Count()))));
            if (Held) {
                HeldPieceKind = pkAutoDrop;
                const QPoint origin = CellOrigin(Held->Column, Held->Row);
                StartSparkle(origin.x() + 25, origin.y() + 25);
                if (DropAt(*Held, Held->Column, Held->Row))
                    Held = nullptr;
                DoEffect(efMagic);
            }
            SpendBonus(Slot);
        }
        break;
    case bnCleanup:
        if (!Held) {
            CleanUp();
            SpendBonus(Slot);
        }
        break;
    default:
        break;
    }
    ChangeNotify(RepaintAll);
    UpdateState();
}

bool TPuzzleClass::BonusActive(TBonusKind Slot) const
{
    return Slot < BonusSlotCount && BonusSlots[Slot].Active;
}

void TPuzzleClass::RewardRisk()
{
    const auto slot = static_cast<TBonusKind>(Generator.Random(3));
    ++BonusSlots[slot].Count;
    ReportNews({.Kind = nkRiskWon, .Bonus = slot});
}

void TPuzzleClass::PunishRisk()
{
    if (BonusSlots[bnJoker].Count > 0 || BonusSlots[bnCheck].Count > 0 || BonusSlots[bnCleanup].Count > 0) {
        for (;;) {
            const auto slot = static_cast<TBonusKind>(Generator.Random(3));
            if (BonusSlots[slot].Count > 0) {
                --BonusSlots[slot].Count;
                ReportNews({.Kind = nkRiskLostBonus, .Bonus = slot});
                return;
            }
        }
    }
    --LivesLeft;
    ReportNews({.Kind = nkRiskLostLife});
}

void TPuzzleClass::SpendBonus(TBonusKind Slot)
{
    TBonusSlot& slot = BonusSlots[Slot];
    --slot.Count;
    if (slot.Count == 0)
        ReportNews({.Kind = nkLastBonusUsed, .Bonus = Slot});
}

void TPuzzleClass::Pause()
{
    const std::uint32_t now = Clock.TickCount();
    PausedFeedElapsed = static_cast<std::int32_t>(now - LastFeedTime);
    PausedZindoRemaining = static_cast<std::int32_t>(NextZindoRun - now);
    if (CurrentState == stPlaying)
        CurrentState = stPaused;
    DoEffect(efPause);
    ChangeNotify(RepaintAll);
}

void TPuzzleClass::Resume()
{
    const std::uint32_t now = Clock.TickCount();
    if (CurrentState == stPaused)
        CurrentState = stPlaying;
    LastFeedTime = now - static_cast<std::uint32_t>(PausedFeedElapsed);
    NextZindoRun = now + static_cast<std::uint32_t>(PausedZindoRemaining);
    DoEffect(efPause);
    ChangeNotify(RepaintAll);
}

void TPuzzleClass::Abort()
{
    AbortRequested = true;
    UpdateState();
}

void TPuzzleClass::ReturnHeldPiece()
{
    if (!Held)
        return;
    TPiece& piece = *Held;
    Held = nullptr;
    HeldPieceKind = pkPlain;
    if (HeldFromColumn >= 0 && InGrid(HeldFromColumn, HeldFromRow) && !PieceIn(HeldFromColumn, HeldFromRow)) {
        // Lifted from the board: it lies on its cell again as if it had never
        // been lifted, so the lift's correct placement is given back.
        Cells[static_cast<std::size_t>(HeldFromColumn)][static_cast<std::size_t>(HeldFromRow)] = &piece;
        piece.Place = plOnBoard;
        LevelPoints.AddCorrect(1);
        MarkBoardDirty();
    } else {
        // Taken from the pot: back to the free pool, where the ended level's
        // pot sends its other pieces too.
        piece.Place = plFree;
    }
    HeldFromColumn = -1;
    HeldFromRow = -1;
    HeldFromPotIndex = -1;
}

// --- Play operations -------------------------------------------------------------------

void TPuzzleClass::TakeFromPot(std::int32_t Index)
{
    const TPuzzleState state = GetState();
    if (state != stLoaded && state != stPlaying)
        return;
    if (Held) {
        Held->Place = plFree;
        Held = nullptr;
    }
    if (Index >= 0 && Index < PiecePot.Count()) {
        HeldPieceKind = PiecePot.Entry(Index).Kind;
        HeldFromPotIndex = Index;
        HeldFromPotPosition = PiecePot.Entry(Index).Position;
        Held = PiecePot.Take(Index);
        HeldFromColumn = -1;
        HeldFromRow = -1;
        // Taking a piece is play. The idle allowance shrinks with the pot, so
        // a clock still counting from before the take could end the level at
        // the very click; both clocks start again once the pot is quiet (or
        // full) at one of the next checks.
        IdleSince = 0;
        PotFullSince = 0;
        if (HeldPieceKind == pkDeath)
            DoEffect(efRisk);
    }
    ChangeNotify(RepaintAll);
}

bool TPuzzleClass::PutBackHeldPiece()
{
    if (!Held || GetState() != stPlaying)
        return false;
    if (HeldFromColumn >= 0) {
        ReturnHeldPiece();
    } else {
        // Into its place in the pot, kind and all: putting a piece back is
        // no way to change what it is.
        TPiece& piece = *Held;
        const TPieceKind kind = HeldPieceKind;
        Held = nullptr;
        HeldPieceKind = pkPlain;
        PiecePot.PutBack(piece, kind, HeldFromPotIndex, HeldFromPotPosition);
        HeldFromPotIndex = -1;
    }
    ChangeNotify(RepaintAll);
    return true;
}

bool TPuzzleClass::DropHeldPiece(std::int32_t Column, std::int32_t Row)
{
    if (!Held)
        return false;
    const bool result = DropAt(*Held, Column, Row);
    if (result)
        Held = nullptr;
    if (PiecePot.Count() == 0)
        FeedNow();
    return result;
}

bool TPuzzleClass::DropAt(TPiece& Piece, std::int32_t Column, std::int32_t Row)
{
    bool result = false;
    if (InGrid(Column, Row)) {
        const bool right = Column == Piece.Column && Row == Piece.Row;
        if (HeldPieceKind == pkAutoDrop) {
            // Lands on its own cell whatever cell was asked for; uncounted.
            RemoveAt(Piece.Column, Piece.Row);
            PutAt(Piece, Piece.Column, Piece.Row);
            HeldPieceKind = pkPlain;
            result = true;
        } else {
            if (HeldPieceKind == pkChangeDrop)
                RemoveAt(Column, Row);
            TPiece*& cell = Cells[static_cast<std::size_t>(Column)][static_cast<std::size_t>(Row)];
            if (!cell) {
                cell = &Piece;
                Piece.Place = plOnBoard;
                if (right)
                    LevelPoints.AddCorrect(1);
                else
                    LevelPoints.AddWrong(1);
                if (HeldPieceKind == pkDeath) {
                    if (right) {
                        DoEffect(efRiskWon);
                        LevelPoints.AddRisksWon(1);
                        RewardRisk();
                    } else {
                        // The raid comes first so that the last effect heard
                        // is the lost risk.
                        StartZindoRun();
                        DoEffect(efRiskLost);
                        PunishRisk();
                    }
                }
                HeldPieceKind = pkPlain;
                result = true;
            }
        }
    }
    MarkBoardDirty();
    ChangeNotify(RepaintAll);
    return result;
}

bool TPuzzleClass::PutAt(TPiece& Piece, std::int32_t Column, std::int32_t Row)
{
    bool result = false;
    if (InGrid(Column, Row)) {
        TPiece*& cell = Cells[static_cast<std::size_t>(Column)][static_cast<std::size_t>(Row)];
        if (!cell) {
            cell = &Piece;
            Piece.Place = plOnBoard;
            result = true;
        }
    }
    MarkBoardDirty();
    ChangeNotify(RepaintBoard);
    return result;
}

void TPuzzleClass::PickUpAt(std::int32_t Column, std::int32_t Row)
{
    if (GetState() != stPlaying || !InGrid(Column, Row))
        return;
    if (Held) {
        // Never two pieces in hand: one already held goes back to the pool.
        Held->Place = plFree;
        Held = nullptr;
    }
    TPiece*& cell = Cells[static_cast<std::size_t>(Column)][static_cast<std::size_t>(Row)];
    if (!cell)
        return;
    LevelPoints.AddCorrect(-1);
    Held = cell;
    Held->Place = plInHand;
    HeldFromColumn = Column;
    HeldFromRow = Row;
    HeldFromPotIndex = -1;
    cell = nullptr;
    MarkBoardDirty();
    // Second thoughts cost time: the pieces come faster for a while.
    SpeedChangeTime = Clock.TickCount();
    DealSpeedFactor *= 1.25;
}

void TPuzzleClass::RemoveAt(std::int32_t Column, std::int32_t Row)
{
    TPiece* piece = PieceIn(Column, Row);
    if (piece) {
        Falling.emplace_back(*piece, Column * PieceSide, Row * PieceSide);
        piece->Place = plFree;
        Cells[static_cast<std::size_t>(Column)][static_cast<std::size_t>(Row)] = nullptr;
    }
    MarkBoardDirty();
    ChangeNotify(RepaintBoard);
}

void TPuzzleClass::CleanUp()
{
    StartBroom();
    for (std::int32_t c = 0; c < MaxCells; ++c)
        for (std::int32_t r = 0; r < MaxCells; ++r)
            if (IsWrongAt(c, r))
                RemoveAt(c, r);
    MarkBoardDirty();
    ChangeNotify(RepaintBoard);
}

void TPuzzleClass::Solve()
{
    // A piece in hand goes on the board with all the others; the hand must
    // not keep pointing at it, nor its kind judge the drops.
    Held = nullptr;
    HeldPieceKind = pkPlain;
    PiecePot.Clear();
    for (std::int32_t c = 0; c < MaxCells; ++c)
        for (std::int32_t r = 0; r < MaxCells; ++r)
            if (Cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)])
                RemoveAt(c, r);
    for (const auto& piece : PieceList)
        DropAt(*piece, piece->Column, piece->Row);
    MarkBoardDirty();
    ChangeNotify(RepaintAll);
    GetState();
}

void TPuzzleClass::FeedRandomPiece()
{
    if (FreePieceCount() > 0) {
        const auto n = static_cast<std::uint32_t>(PieceList.size());
        for (;;) {
            TPiece& piece = *PieceList[Generator.Random(n)];
            if (piece.Place == plFree) {
                PiecePot.Add(piece);
                break;
            }
        }
    }
    UpdateState();
}

void TPuzzleClass::FeedNow()
{
    if (LevelFinished)
        return;
    LastFeedTime = Clock.TickCount();
    FeedRandomPiece();
}

std::int32_t TPuzzleClass::FreePieceCount() const
{
    return static_cast<std::int32_t>(std::count_if(PieceList.begin(), PieceList.end(),
                                                   [](const auto& piece) { return piece->Place == plFree; }));
}

// --- Animations -------------------------------------------------------------------

void TPuzzleClass::StepFallingPieces()
{
    if (Falling.empty())
        return;
    for (TRemovingPiece& piece : Falling)
        piece.Y += 27;
    const std::int32_t bottom = ComposedPicture.height();
    std::erase_if(Falling, [bottom](const TRemovingPiece& piece) { return piece.Y > bottom; });
    ChangeNotify(RepaintBoard);
}

void TPuzzleClass::StepZindo()
{
    if (!RaidRunning)
        return;
    ZindoX += 5;
    ZindoFrame = ZindoFrame >= 3 ? 0 : ZindoFrame + 1;
    std::int32_t c = 0;
    std::int32_t r = 0;
    CellAt(ZindoX, ZindoY + Sprites.ZindoFrames[0].Height(), c, r);
    if (c >= 0 && r >= 0 && c < ColumnCount && r < RowCount) {
        // A cell is tried once each time the zindo enters it: one in two
        // pieces under its feet fall off.
        if ((c != ZindoLastColumn || r != ZindoLastRow) && PieceIn(c, r)) {
            if (Generator.Random(2147483647) % 2 == 0) {
                RemoveAt(c, r);
                ++RaidKnockedOff;
            }
        }
        ZindoLastColumn = c;
        ZindoLastRow = r;
    }
    // The run ends once the zindo has left the picture on the right.
    if (ZindoX > ComposedPicture.width()) {
        RaidRunning = false;
        ReportNews({.Kind = nkRaidOver, .KnockedOff = RaidKnockedOff});
    }
    ChangeNotify(RepaintBoard);
}

void TPuzzleClass::StepBroom()
{
    if (!Sweeping)
        return;
    BroomX += 25;
    BroomY -= 50;
    if (BroomY < 100) {
        BroomY = ComposedPicture.height();
        BroomX += 150;
        if (BroomX > ComposedPicture.width())
            Sweeping = false;
    }
    ChangeNotify(RepaintBoard);
}

void TPuzzleClass::StepSparkle()
{
    if (SparkleSteps < 0)
        return;
    ++SparkleSteps;
    if (SparkleSteps > 60)
        SparkleSteps = -1;
    ChangeNotify(RepaintBoard);
}

void TPuzzleClass::StartZindoRun()
{
    if (RaidRunning)
        return;
    DoEffect(efRisk);
    RaidRunning = true;
    RaidKnockedOff = 0;
    ZindoX = -Sprites.ZindoFrames[0].Width();
    const std::int32_t room = std::max(ComposedPicture.height() - Sprites.ZindoFrames[0].Height(), 0);
    ZindoY = static_cast<std::int32_t>(Generator.Random(static_cast<std::uint32_t>(room)));
    CellAt(ZindoX, ZindoY, ZindoLastColumn, ZindoLastRow);
}

void TPuzzleClass::StartBroom()
{
    Sweeping = true;
    BroomX = 0;
    BroomY = ComposedPicture.height();
    ChangeNotify(RepaintBoard);
}

void TPuzzleClass::StartSparkle(std::int32_t X, std::int32_t Y)
{
    SparkleX = X;
    SparkleY = Y;
    SparkleSteps = 1;
}

void TPuzzleClass::MarkBoardDirty()
{
    BoardDirty = true;
    ChangeNotify(RepaintBoard);
}

void TPuzzleClass::DoEffect(TGameEffect Effect)
{
    if (OnEffect)
        OnEffect(*this, Effect);
}

void TPuzzleClass::ReportNews(const TPuzzleNews& News)
{
    if (OnNews)
        OnNews(*this, News);
}

// --- Queries -------------------------------------------------------------------

const QImage& TPuzzleClass::BoardBitmap() const
{
    if (BoardDirty)
        RenderBoard();
    return RenderedBoard;
}

void TPuzzleClass::RenderBoard() const
{
    BoardDirty = false;
    const std::int32_t s = PieceSide;
    RenderedBoard = QImage(std::max(ColumnCount * s, 1), std::max(RowCount * s, 1), QImage::Format_BGR888);
    RenderedBoard.fill(Qt::white);
    {
        QPainter painter(&RenderedBoard);
        if (BonusActive(bnPreview))
            painter.drawImage(0, 0, PalePicture);
        painter.setPen(QPen(Qt::black, 0));
        for (std::int32_t k = 0; k <= ColumnCount; ++k)
            painter.drawLine(k * s, 0, k * s, RowCount * s);
        for (std::int32_t k = 0; k <= RowCount; ++k)
            painter.drawLine(0, k * s, ColumnCount * s, k * s);
        for (std::int32_t c = 0; c < ColumnCount; ++c)
            for (std::int32_t r = 0; r < RowCount; ++r)
                if (const TPiece* piece = Cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)])
                    painter.drawImage(c * s, r * s, piece->Bitmap);
        if (BonusActive(bnCheck)) {
            // A cross that shows on any picture, kept within the piece it marks.
            for (std::int32_t c = 0; c < ColumnCount; ++c)
                for (std::int32_t r = 0; r < RowCount; ++r)
                    if (IsWrongAt(c, r))
                        DrawCheckCross(painter, QRect(c * s, r * s, s, s), 1.0);
        }
    }
}

void TPuzzleClass::CellAt(std::int32_t X, std::int32_t Y, std::int32_t& Column, std::int32_t& Row) const
{
    // Integer division truncates toward zero: -s < X < 0 still gives column 0.
    Column = X / PieceSide;
    Row = Y / PieceSide;
    if (Column >= ColumnCount)
        Column = -1;
    if (Row >= RowCount)
        Row = -1;
}

QPoint TPuzzleClass::CellOrigin(std::int32_t Column, std::int32_t Row) const
{
    return QPoint(Column * PieceSide, Row * PieceSide);
}


const TQzBitmap& TPuzzleClass::ZindoFrameBitmap() const
{
    return Sprites.ZindoFrames[static_cast<std::size_t>(std::clamp(ZindoFrame, 0, 3))];
}

const TPiece* TPuzzleClass::CellPiece(std::int32_t Column, std::int32_t Row) const
{
    return PieceIn(Column, Row);
}

TPiece* TPuzzleClass::PieceIn(std::int32_t Column, std::int32_t Row) const
{
    if (Column < 0 || Row < 0 || Column >= MaxCells || Row >= MaxCells)
        return nullptr;
    return Cells[static_cast<std::size_t>(Column)][static_cast<std::size_t>(Row)];
}

// --- Helpers ---------------------------------------------------------------------

void TPuzzleClass::ChangeNotify(std::uint8_t Parts)
{
    if (OnChange)
        OnChange(*this, Parts);
}

bool TPuzzleClass::InGrid(std::int32_t Column, std::int32_t Row) const
{
    return Column >= 0 && Column < ColumnCount && Row >= 0 && Row < RowCount;
}

bool TPuzzleClass::IsWrongAt(std::int32_t Column, std::int32_t Row) const
{
    const TPiece* piece = PieceIn(Column, Row);
    return piece && (piece->Column != Column || piece->Row != Row);
}

void TPuzzleClass::ClearBoard()
{
    for (auto& column : Cells)
        column.fill(nullptr);
}

} // namespace zindo
