#pragma once
// The document host of the command line: prompts on the terminal, a progress bar, settings
// for one run, names converted between the archive's code page and UTF-8.
#include <map>
#include <memory>
#include <string>

#include "app/DocumentHost.h"
#include "archive/QueuedJobHost.h"
#include "platform/console/ConsoleProgress.h"
#include "platform/console/ConsolePrompts.h"

// Settings last for one run only.
class RunSettings : public Settings {
  public:
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& fallback) override {
        auto it = strings_.find(section + "\\" + name);
        return it == strings_.end() ? fallback : it->second;
    }
    int GetInt(const std::string&, const std::string&, int fallback) override { return fallback; }
    bool SetString(const std::string& section, const std::string& name,
                   const std::string& value) override {
        strings_[section + "\\" + name] = value;
        return true;
    }
    bool SetInt(const std::string&, const std::string&, int) override { return true; }
    bool Remove(const std::string& section, const std::string& name) override {
        strings_.erase(section + "\\" + name);
        return true;
    }

  private:
    std::map<std::string, std::string> strings_;
};

class ConsoleHost : public DocumentHost {
  public:
    ConsoleHost(ConsolePrompts& prompts, const NameCodec& names)
        : prompts_(prompts), names_(names) {}

    UserPrompts& Prompts() override { return prompts_; }
    const NameCodec& Names() override { return names_; }
    Settings& Profile() override { return settings_; }
    std::unique_ptr<ProgressSink> MakeProgress() override {
        return std::make_unique<ConsoleProgress>();
    }
    std::uintptr_t Owner() override { return 0; }
    void StartJob(std::unique_ptr<ArchiveJob> job) override { ::StartJob(std::move(job), jobs_); }
    std::vector<std::unique_ptr<ArchiveJob>> WaitForJobs() override {
        ::WaitForJobs();
        return jobs_.Completed().Drain();
    }
    void UpdateAllViews() override {}

  private:
    ConsolePrompts& prompts_;
    const NameCodec& names_;
    RunSettings settings_;
    QueuedJobHost jobs_{prompts_, [] { return std::make_unique<ConsoleProgress>(); }};
};
