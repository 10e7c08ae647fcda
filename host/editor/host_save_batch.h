// The editor's batch of page saves: the pages that page windows save while it is open are
// staged together and replace their files at Commit (see common::editor::SaveBatch).
#pragma once

#include <filesystem>
#include <string_view>

#include "common/atomic_file_batch.h"
#include "common/editor/application.h"

namespace norvel::host {

class EditorApp;

class HostSaveBatch : public common::editor::SaveBatch {
  public:
    explicit HostSaveBatch(EditorApp& app);
    ~HostSaveBatch() override;  // ends the batch; what was not committed is dropped

    void Commit() override;
    // Called by a page window saving while the batch is open.
    void stage(const std::filesystem::path& file, std::string_view bytes);

  private:
    EditorApp& app_;
    common::AtomicFileBatch files_;
};

}  // namespace norvel::host
