#include "chords/in_process_rules.h"

#include <cstring>

#include "chordhook/chordhook.h"

static_assert(CHORD_RULES_PROGRAMS == MAX_EXCLUDED_PROGRAMS && CHORD_RULES_NAME_SIZE == PROGRAM_NAME_SIZE,
              "the published list holds every listed program");

int publish_in_process_rules(const ChordSettings& settings, int32_t notification_state)
{
    static HANDLE mapping = nullptr;
    static ChordRules* rules = nullptr;
    if (rules == nullptr) {
        mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ChordRules),
                                     CHORD_RULES_MAPPING);
        if (mapping == nullptr) {
            return 0;
        }
        rules = static_cast<ChordRules*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ChordRules)));
        if (rules == nullptr) {
            CloseHandle(mapping);
            mapping = nullptr;
            return 0;
        }
    }
    // A hook reading meanwhile sees the list shrink to nothing before it grows again: at
    // worst one chord goes to the launcher.
    rules->program_count = 0;
    std::memcpy(rules->programs, settings.excluded, sizeof rules->programs);
    rules->paused = settings.paused;
    rules->full_screen_passes = settings.full_screen_passes;
    rules->notification_state = notification_state;
    rules->program_count = settings.excluded_count;
    return 1;
}
