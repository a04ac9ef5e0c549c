#include "view/reach_probe.h"

#include <objbase.h>
#include <shellapi.h>

#include <cstring>

#include "state/window_state.h"

namespace {

// A question about the items of one root, answered on a worker of its own.
struct ReachJob {
    LONG state;     // ASKING, then DONE (answered while waited for) or LATE (the waiting ended)
    LONG finished;  // the worker is done and its answer posted (set by the worker)
    bool abandoned; // asked again before its late answer arrived: the answer is dropped
    char root[ITEM_TEXT_SIZE];
    HWND window;
    LateAnswer answer;
    char items[PANELS_PER_SET][ITEM_TEXT_SIZE];
};

enum : LONG { ASKING = 0, DONE = 1, LATE = 2 };

// A worker needs little stack: a path, a name and the shell's file information.
constexpr SIZE_T WORKER_STACK = 128 * 1024;
// The roots asked about at once, at the most: a root beyond them counts as out of reach.
constexpr int MAX_QUESTIONS_OUT = 16;

// The roots whose question is out, owned by the window's thread.
ReachJob* questions_out[MAX_QUESTIONS_OUT];

DWORD error_of(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? 0 : GetLastError();
}

DWORD WINAPI answer_job(void* parameter)
{
    auto* job = static_cast<ReachJob*>(parameter);
    // The shell's file information wants COM on the asking thread.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    DWORD root_error = error_of(job->root);
    for (int i = 0; i < job->answer.count; ++i) {
        ItemAnswer& answer = job->answer.answers[i];
        answer.asked = true;
        answer.reach = judge_target(root_error, root_error == 0 ? error_of(job->items[i]) : 0);
        SHFILEINFOA info = {};
        if (answer.reach == TargetReach::present &&
            SHGetFileInfoA(job->items[i], 0, &info, sizeof info, SHGFI_DISPLAYNAME | SHGFI_ICON) != 0) {
            std::strncpy(answer.name, info.szDisplayName, sizeof answer.name - 1);
            answer.icon = info.hIcon;
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    // Answered in time: the window takes it. Too late: the window is told; if it is gone, the
    // answer goes with the worker.
    if (InterlockedCompareExchange(&job->state, DONE, ASKING) != LATE) {
        return 0;
    }
    InterlockedExchange(&job->finished, 1);
    if (!PostMessageA(job->window, WM_REACH_ANSWER, 0, reinterpret_cast<LPARAM>(job))) {
        for (int i = 0; i < job->answer.count; ++i) {
            if (job->answer.answers[i].icon != nullptr) {
                DestroyIcon(job->answer.answers[i].icon);
            }
        }
        delete job;
    }
    return 0;
}

// The slot of the root's question that is still out. A question whose answer is already
// on its way is let go (its answer will be dropped): the root is asked afresh.
int slot_of_root(const char* root)
{
    for (int slot = 0; slot < MAX_QUESTIONS_OUT; ++slot) {
        ReachJob* job = questions_out[slot];
        if (job == nullptr || std::strcmp(job->root, root) != 0) {
            continue;
        }
        if (InterlockedCompareExchange(&job->finished, 1, 1) == 1) {
            job->abandoned = true;
            questions_out[slot] = nullptr;
            return -1;
        }
        return slot;
    }
    return -1;
}

int free_slot()
{
    for (int slot = 0; slot < MAX_QUESTIONS_OUT; ++slot) {
        if (questions_out[slot] == nullptr) {
            return slot;
        }
    }
    return -1;
}

void forget_question(ReachJob* job)
{
    for (ReachJob*& out : questions_out) {
        if (out == job) {
            out = nullptr;
        }
    }
}

} // namespace

void ask_about_items(const char* const* items, int first, int count, const void* set, HWND window, ItemAnswer* answers)
{
    ReachJob* asked[PANELS_PER_SET] = {};
    HANDLE workers[PANELS_PER_SET] = {};
    int jobs = 0;
    for (int i = first; i < first + count; ++i) {
        answers[i] = ItemAnswer{};
        char root[ITEM_TEXT_SIZE] = {};
        const char* item = items[i];
        if (item[0] == '\0' || is_special_item(item) || !target_root(item, root, sizeof root)) {
            continue;
        }
        answers[i].asked = true;
        answers[i].reach = TargetReach::unreachable;
        // Items of a root asked about in this call join its question.
        ReachJob* job = nullptr;
        for (int j = 0; j < jobs; ++j) {
            if (std::strcmp(asked[j]->root, root) == 0) {
                job = asked[j];
            }
        }
        if (job == nullptr) {
            int slot = slot_of_root(root) < 0 ? free_slot() : -1;
            if (slot < 0) {
                continue; // its question is still out (or too many are): out of reach for now
            }
            job = new ReachJob();
            std::memcpy(job->root, root, sizeof root);
            job->window = window;
            job->answer.set = set;
            questions_out[slot] = job;
            asked[jobs++] = job;
        }
        int k = job->answer.count++;
        job->answer.panels[k] = i;
        std::strncpy(job->items[k], item, ITEM_TEXT_SIZE - 1);
        job->answer.items[k] = job->items[k];
    }
    // Started only once every item has joined its root's question.
    for (int j = 0; j < jobs; ++j) {
        workers[j] =
            CreateThread(nullptr, WORKER_STACK, answer_job, asked[j], STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
        if (workers[j] == nullptr) {
            forget_question(asked[j]);
            delete asked[j];
            asked[j] = nullptr;
        }
    }
    DWORD start = GetTickCount();
    for (int j = 0; j < jobs; ++j) {
        if (workers[j] == nullptr) {
            continue;
        }
        DWORD spent = GetTickCount() - start;
        WaitForSingleObject(workers[j], spent < REACH_WAIT_MS ? REACH_WAIT_MS - spent : 0);
        CloseHandle(workers[j]);
        ReachJob* job = asked[j];
        if (InterlockedCompareExchange(&job->state, LATE, ASKING) == ASKING) {
            continue; // stays out until its answer is posted
        }
        for (int k = 0; k < job->answer.count; ++k) {
            answers[job->answer.panels[k]] = job->answer.answers[k];
        }
        forget_question(job);
        delete job;
    }
}

void take_late_answer(LPARAM message, void (*use)(LateAnswer& answer))
{
    auto* job = reinterpret_cast<ReachJob*>(message);
    forget_question(job);
    if (!job->abandoned) {
        use(job->answer);
    }
    for (int i = 0; i < job->answer.count; ++i) {
        if (job->answer.answers[i].icon != nullptr) {
            DestroyIcon(job->answer.answers[i].icon);
        }
    }
    delete job;
}

int reach_questions_out()
{
    int out = 0;
    for (ReachJob* job : questions_out) {
        out += job != nullptr ? 1 : 0;
    }
    return out;
}
