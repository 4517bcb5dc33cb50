#include "editors/window/list_operation.h"

#include "editors/window/list_messages.h"

namespace zim {

ListOperation ListOperation::refused(PageMessage message) {
    ListOperation operation;
    operation.result_.status = ListStatus::refused;
    operation.result_.refusal = std::move(message);
    return operation;
}

ListOperation ListOperation::failed(FileFailures failures) {
    ListOperation operation;
    operation.result_.status = ListStatus::failed;
    operation.result_.failures = std::move(failures);
    return operation;
}

ListOperation ListOperation::planned(const std::string& caption, FilePlan files,
                                     std::function<void()> change, ListResult outcome) {
    if (std::optional<PlanObstacle> obstacle = files.obstacle())
        return refused(obstacleMessage(*obstacle, caption));
    ListOperation operation;
    operation.files_ = std::move(files);
    operation.change_ = std::move(change);
    operation.result_ = std::move(outcome);
    operation.result_.status = ListStatus::done;
    return operation;
}

ListResult ListOperation::run() {
    if (result_.status != ListStatus::done || ran_)
        return result_;
    ran_ = true;
    ListResult& result = result_;
    FileFailures stepFailures;
    if (!files_.run(stepFailures)) {
        result.status = ListStatus::failed;
        result.failures = std::move(stepFailures);
        result.ownersCleared.clear();
        return result;
    }
    if (change_)
        change_();
    for (const std::string& failure : stepFailures.list())
        result.failures.add(failure);
    return result;
}

} // namespace zim
