#pragma once

#include "engine/CScriptFileTable.h"
#include "engine/CScratchPool.h"
#include "engine/CScriptHotkeyQueue.h"
#include "engine/CScriptLineTokens.h"
#include "engine/CScriptString.h"
#include "engine/CScriptValue.h"
#include "engine/CScriptTokenList.h"
#include "engine/CScriptValueList.h"
#include "engine/CScriptVarTable.h"
#include "engine/CScriptWaitParams.h"
#include "engine/CUserFuncList.h"
#include "engine/IScriptErrorReporter.h"
#include "engine/ScriptBuiltinNames.h"
#include "engine/ScriptEngineHooks.h"
#include "engine/ScriptScratch.h"
#include "engine/ScriptStacks.h"
#include "engine/ScriptTokenTypes.h"
#include "robot/RecordedWindowInfo.h"

#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>

class CMarionet_Script;
class CMarionet_ScriptFile;

// A built-in function: the engine, its arguments and the result value (preset
// to the number 1). Returns 0 to go on, or 1 after a fatal error that it has
// reported.
using ScriptBuiltinHandler = int (*)(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result);

// State that the built-in families keep per engine (the key sender, their
// windows); the engine only owns and destroys it.
class IScriptBuiltinState
{
public:
    virtual ~IScriptBuiltinState() = default;
};

// One script hotkey of HotKeySet: its id (the slot index), the combined key
// and the user function it runs.
struct CScriptHotkeySlot
{
    int nId = 0;
    int nCombinedKey = 0;
    CScriptString strFunction;
};

// The interpreter of the automation script language. It runs the lines of
// its script store on the calling (GUI) thread and pumps the thread's
// messages between lines, so the program stays live during a run.
class CMarionet_Script
{
public:
    enum
    {
        MAX_NESTING = 384,
        HOTKEY_SLOTS = 64,
        // An expression that is no call's argument ends only where its tokens do.
        NO_CALL_END = -1
    };
    enum EWaitState
    {
        WAIT_RUNNING = 0,
        WAIT_FINISHED = 1,
        WAIT_DELAY = 2,
        WAIT_WINWAIT = 3,
        WAIT_WINWAITCLOSE = 4,
        WAIT_WINWAITACTIVE = 5,
        WAIT_WINWAITNOTACTIVE = 6,
        WAIT_RUNWAIT = 7,
        WAIT_RECORDED_WINDOW = 8,
        WAIT_PROCESS = 9,
        WAIT_PROCESSCLOSE = 10
    };
    enum EScope
    {
        SCOPE_AUTO = CScriptVarTable::SCOPE_AUTO,
        SCOPE_LOCAL = CScriptVarTable::SCOPE_LOCAL,
        SCOPE_GLOBAL = CScriptVarTable::SCOPE_GLOBAL
    };
    // Kinds of the blocks on the statement stacks.
    enum EBlockKind
    {
        BLOCK_IF = 0,
        BLOCK_WHILE = 1,
        BLOCK_DO = 2,
        BLOCK_FOR = 3,
        BLOCK_SELECT = 4,
        BLOCK_CALL = 6
    };

    static const char kRecursionMessage[];
    static const char kAllocateArrayMessage[];

    explicit CMarionet_Script(CMarionet_ScriptFile& scriptFile);
    virtual ~CMarionet_Script();
    CMarionet_Script(const CMarionet_Script&) = delete;
    CMarionet_Script& operator=(const CMarionet_Script&) = delete;

    // Operations of the robot runner, in calling order.
    int LoadAndCheckScript(const char* pszPath);
    void SetRunAtBackground(int bBackground, int x, int y);
    int ExecuteFromLine(int nStartLine, int bTopLevel);
    // Closes the script's file handles and unloads the script store.
    void UnloadScript();

    // For the built-ins.
    void SetErrorCode(int nCode) { m_nErrorCode = nCode; }
    int CallBuiltinFunction(int nIndex, CScriptValueList& args, CScriptValue& result);
    // 1 when the nested run could not start or ended the script (an error, a
    // stop, Exit); the caller's statement then stops too.
    int ExecuteNested(int nStartLine, BYTE bPushFrame, BYTE bRestoreError);
    int ReportScriptError(const char* pszMessage, int nColumn);
    int ReportRuntimeError(const char* pszMessage, const char* pszDetail);
    void EndWaitLong();
    // Unregisters every script hotkey and frees its slot.
    void WithdrawScriptHotkeys();
    // The wait protocol: a wait built-in has stored its parameters in m_Wait;
    // the wait's service run pumps messages until its poller ends the wait
    // (or the run ends). Gives the wait's result value.
    const CScriptValue& RunWaitService(int nWaitState);
    // Dispatches the thread's pending messages, as between two lines; a
    // built-in that blocks calls it so that the end hotkey still reaches the
    // run. WM_QUIT ends the run.
    void PumpMessages();
    CMarionet_ScriptFile& ScriptFile() { return m_ScriptFile; }

    // The built-in table: handlers in the order of the name table. Entries
    // without a handler end the run with an error naming the built-in.
    void SetBuiltinHandler(int nIndex, ScriptBuiltinHandler handler);
    ScriptBuiltinHandler GetBuiltinHandler(int nIndex) const;
    void ClearBuiltinHandlers();

    // Recorded-window check before a line (line = position in the store).
    bool CheckLineRecordedWindow(int nLine);
    bool FindRecordedWindow();

    // Expressions (for built-ins that evaluate text, and for the statements).
    // A call's argument is evaluated where it stands: nCallEnd, the position
    // of the call's closing ")", ends it, its subscripts included, as the end
    // of the line would.
    int EvaluateExpression(CScriptTokenList& tokens, int& nPos, CScriptValue& result, int nCallEnd = NO_CALL_END);
    int EvaluateCondition(CScriptTokenList& tokens, int& nPos, bool& bTrue);

    bool QuitReceived() const { return m_bQuit != 0; }
    // Fatal errors reported since the engine was made; the run sequence
    // tells from it whether a run ended in an error.
    int GetReportedErrorCount() const { return m_nReportedErrors; }

    // Fields read and written by the runner and the built-ins.
    int m_bUseRecWin = 0;
    int m_bUseSimilarWin = 0;
    volatile BYTE m_bStopRequested = 0;
    int m_bRunAtBackground = 0;
    int m_nStartCursorX = 0;
    int m_nStartCursorY = 0;
    CScriptString m_sScriptName;
    CScriptString m_sScriptFullPath;
    CScriptString m_sScriptDir;
    HWND m_hToolTip = nullptr;
    int m_bRefreshCursor = 1;
    UINT m_uWaitLongTimer = 0;
    UINT m_uWaitLongPeriod = 0;
    int m_nDepth = 0;
    int m_nCurrentLine = 0;
    int m_nWaitState = WAIT_RUNNING;

    BYTE m_bMouseCoordMode = 1;
    BYTE m_bPixelCoordMode = 1;
    BYTE m_bCaretCoordMode = 1;
    BYTE m_bRunErrorsFatal = 1;
    BYTE m_bExpandEnvStrings = 0;
    BYTE m_bMustDeclareVars = 0;
    BYTE m_bColorMode = 0;
    BYTE m_bTrayIconDebug = 0;
    int m_nMouseClickDelay = 10;
    int m_nMouseClickDownDelay = 10;
    int m_nMouseClickDragDelay = 250;

    CUserFuncList m_UserFunctions;
    CScriptValue m_vResult;
    BYTE m_bReturn = 0;
    int m_nErrorCode = 0;

    CScriptBlockStack m_IfStack;
    CScriptBlockStack m_LoopStack;
    CScriptBlockStack m_SelectStack;
    CScriptBlockStack m_CallStack;
    CScriptVarTable m_Variables;

    CScriptFileTable m_FileHandles;
    CScriptHotkeySlot* m_pHotkeySlots[HOTKEY_SLOTS] = {};

    CScriptWaitParams m_Wait;
    int m_nWinTitleMatchMode = 1;
    int m_nWinTextMatchMode = 1;
    BYTE m_bWinDetectHiddenText = 0;
    BYTE m_bWinSearchChildren = 0;
    int m_nWinWaitDelay = 250;

    CScriptString m_sAdlibFunction;
    BYTE m_bAdlibEnabled = 0;
    BYTE m_bAdlibRunning = 0;
    DWORD m_dwAdlibLast = 0;
    DWORD m_dwAdlibPeriod = 0;

    BYTE m_bRecWinCheckInProgress = 0;
    BYTE m_bRecWinLongRetry = 0;
    int m_nRecWinTries = 0;
    int m_nRecWinTryLimit = 0;
    int m_nRecWinIndex = 0;
    RecordedWindowInfo m_RecWin;

    CScriptEngineHooks m_Hooks;
    std::unique_ptr<IScriptBuiltinState> m_pBuiltinState;

private:
    class CCallFrame;

    // Lexical errors of the lexer go to the engine's reporter.
    class CLexerReporter : public IScriptErrorReporter
    {
    public:
        explicit CLexerReporter(CMarionet_Script& engine) : m_Engine(engine) {}
        void ReportScriptError(const CScriptString& message, int column) override;

    private:
        CMarionet_Script& m_Engine;
    };

    // Run loop.
    void BeginTopLevelRun();
    void EndTopLevelRun();
    int ServiceWaitStates();
    void ExecuteLine(const char* pszText, CScriptTokenList& scratch, int& nLine);
    bool PollAdlib();
    bool DispatchPendingHotkey();
    int RunUserFunctionNested(const char* pszName);
    void EnsureLabelsRegistered();

    // Lines and statements.
    int TokeniseLine(const char* pszLine, CScriptTokenList& tokens);
    // The tokens of line nLine, whose text is given: the kept ones, else the
    // line tokenised (and kept). Null after a lexer error, which has been
    // reported: a line that does not tokenise is never kept, so it reports
    // again whenever it is reached. The scratch list holds the tokens of a
    // line that cannot be kept.
    CScriptTokenList* LineTokens(int nLine, const char* pszText, CScriptTokenList& scratch);
    // Drops what was kept for the lines when the line store has changed.
    void SyncLineTokens();
    const char* LineText(int nLine);
    int ExecuteStatement(CScriptTokenList& tokens, int& nLine);
    int ExecuteStatementAt(CScriptTokenList& tokens, int nPos, int& nLine);
    int PastLastLine();
    int ExecuteKeyword(CScriptTokenList& tokens, int& nPos, int& nLine);
    int RequireLineEnd(CScriptTokenList& tokens, int nPos);
    int InvalidKeyword();
    int FindPartnerLine(int nFromLine, int nOpen, int nClose);
    // What a line scan's visitor asks for after a line.
    enum EScanStep
    {
        SCAN_NEXT,
        SCAN_STOP,
        SCAN_ERROR  // the visitor has reported the error
    };
    // Hands the tokens of the lines from nFromLine on to the visitor, an
    // EScanStep (CScriptTokenList& tokens, int& nLine), which may move nLine
    // on to skip lines. m_nCurrentLine names the line being scanned, so an
    // error names it; the caller puts it back. Returns 1 after an error, 0
    // when the visitor stops or the script runs out. Defined in
    // ScriptLineScan.h.
    template <class Visitor>
    int ScanLines(int nFromLine, Visitor&& visit);
    EScanStep ScanError(const char* pszMessage, int nColumn = -1);

    int ExecuteIf(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteElse(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteEndIf(CScriptTokenList& tokens, int& nPos);
    int ExecuteSelect(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteCase(int& nLine);
    int ExecuteEndSelect(CScriptTokenList& tokens, int& nPos);
    int JumpToBlockEnd(CScriptBlockStack& stack, int nBase, int& nLine);
    int CloseBlock(CScriptTokenList& tokens, int nPos, CScriptBlockStack& stack, int nBase);
    int ExecuteWhile(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteWEnd(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteDo(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteUntil(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteFor(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteNext(CScriptTokenList& tokens, int& nPos, int& nLine);
    bool ForLoopContinues(const CScriptValue& var, const CScriptValue& end, const CScriptValue& step);
    int ExecuteExitLoop(CScriptTokenList& tokens, int& nPos, int& nLine);
    int ExecuteContinueLoop(CScriptTokenList& tokens, int& nPos, int& nLine);
    bool TopLoopBelongsToThisRun();
    bool TopLoopIs(int nKind);
    void PushLoopBlock(int nKind, int nStartLine, int nEndLine, const CScriptValue* pEnd, const CScriptValue* pStep);
    // Enters the loop opened on nStartLine (its block pushed, on at the next
    // line) or skips it, on past its closing line nEndLine (0: none).
    void EnterOrSkipLoop(bool bEnter, int nKind, int nStartLine, int nEndLine, const CScriptValue* pEnd,
                         const CScriptValue* pStep, int& nLine);
    void PopStacksToLoopDepths();
    int ExecuteDeclaration(CScriptTokenList& tokens, int& nPos, int nKeyword);
    int DeclareArray(CScriptTokenList& tokens, int& nPos, const CScriptString& strName, int nScope, bool bKeep);
    int ExecuteAssignment(CScriptTokenList& tokens, int& nPos);
    bool AppendInPlace(CScriptTokenList& tokens, int& nPos, CScriptValue* pTarget);
    int ExecuteReturn(CScriptTokenList& tokens, int& nPos);
    int ExecuteExit(CScriptTokenList& tokens, int& nPos);
    int ExecuteFuncSkip(CScriptTokenList& tokens, int& nLine);
    int ExecuteGoto(CScriptTokenList& tokens, int nPos, int& nLine);
    void ForgetLabels();
    void PopBlocksOutside(CScriptBlockStack& stack, int nBase, int nTarget);

    // Built-in and user-function calls.
    int EvaluateBuiltinCall(CScriptTokenList& tokens, int& nPos, CScriptValue& result);
    int FindCallEnd(CScriptTokenList& tokens, int nPos, int nNameColumn, bool bEndAtLastToken, int& nClose);
    int CallUserFunction(CScriptTokenList& tokens, int& nPos, CScriptValue& result);

    // Pre-scan.
    int RegisterUserFunctions();
    int CheckUserFunctionCalls();
    int ParseFuncParameters(CScriptTokenList& tokens, int nPos, int& nCount);
    int FindEndFunc(int nFuncLine, int& nEndLine);

    // Expressions.
    int EvaluateVariable(CScriptTokenList& tokens, int& nPos, CScriptValue& result, int nCallEnd);
    int EvaluateMacro(CScriptTokenList& tokens, int& nPos, CScriptValue& result);
    int ResolveSubscripts(CScriptTokenList& tokens, int& nPos, CScriptValue*& pValue, int nVarColumn,
                          std::shared_ptr<CScriptValue>* pKeepAlive = nullptr, int nCallEnd = NO_CALL_END);
    int ReadSubscript(CScriptTokenList& tokens, int& nPos, int& nSubscript, int nCallEnd);
    bool SkipOperand(CScriptTokenList& tokens, int& nPos, int nCallEnd);
    CScriptValue* FindVariable(const char* pszName, int nScope);
    void ReportRecordedWindowMissing();
    int ShowErrorReport(const std::string& strText);

    CMarionet_ScriptFile& m_ScriptFile;
    ScriptBuiltinHandler m_aHandlers[kScriptBuiltinCount] = {};
    CLexerReporter m_LexerReporter{*this};
    int m_nReportedErrors = 0;
    // Script hotkeys: the pump queues the ids of WM_HOTKEY messages that have
    // no window, and the service step runs their functions.
    CScriptHotkeyQueue m_HotkeyQueue;

    // The exit code of a WM_QUIT met by the pump; it is posted again once when
    // the top-level run returns.
    BYTE m_bQuit = 0;
    BYTE m_bQuitReposted = 0;
    WPARAM m_nQuitCode = 0;

    // Depths of the statement stacks when the current run started: a GOTO
    // pops only blocks above them.
    int m_nIfBase = 0;
    int m_nLoopBase = 0;
    int m_nSelectBase = 0;
    // Calls nested inside expressions, bounded so that the stack never runs out.
    int m_nExpressionDepth = 0;
    CScratchPool<CExpressionStacks> m_ExpressionStacks;
    CScratchPool<std::vector<CBoundArgument>> m_BoundArguments;

    std::unordered_map<std::string, int> m_Labels;
    bool m_bLabelsRegistered = false;
    CScriptLineTokens m_LineTokens;
};
