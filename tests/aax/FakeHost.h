#pragma once

#include "AAX.h"
#include "ACFUnknown.h"

#include <functional>
#include <locale>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

/** A stand-in AAX host for the tests.

    Host objects offer their interfaces by identifier. Every interface counts its AddRef
    and Release calls and records each operation with its arguments in the host's log.
    The host can withhold any interface identifier, or answer a query for one with success
    but no interface. Its component factory makes the registration objects (collection,
    descriptors, property maps) and the host services.
*/
namespace fakehost
{
    /** One operation as it reached the host. */
    struct Call
    {
        std::string interfaceName;
        std::string operation;
        std::vector<std::string> arguments;
    };

    /** Writes an argument as text, so a test can compare what reached the host. */
    inline void describe (std::ostringstream& s, const char* text)     { if (text != nullptr) s << '"' << text << '"'; else s << "null"; }
    inline void describe (std::ostringstream& s, const void* pointer)  { s << "ptr:" << pointer; }
    inline void describe (std::ostringstream& s, std::nullptr_t)       { s << "ptr:" << static_cast<const void*> (nullptr); }
    inline void describe (std::ostringstream& s, const AAX_Point& p)   { s << "point:" << p.vert << ',' << p.horz; }

    template <typename Number, typename = std::enable_if_t<std::is_arithmetic_v<Number>>>
    void describe (std::ostringstream& s, Number n)                    { s << +n; }

    template <typename Function, typename = std::enable_if_t<std::is_function_v<Function>>>
    void describe (std::ostringstream& s, Function* f)                 { s << "fn:" << reinterpret_cast<const void*> (f); }

    template <typename... Args>
    std::vector<std::string> describeAll (const Args&... args)
    {
        std::vector<std::string> texts;
        ([&]
        {
            std::ostringstream s;
            s.imbue (std::locale::classic());
            s.precision (17);
            describe (s, args);
            texts.push_back (s.str());
        }(), ...);
        return texts;
    }

    /** The text a test expects for an argument. */
    template <typename Arg>
    std::string text (const Arg& arg)       { return describeAll (arg).front(); }

    class Host;

    /** What the plug-in registered for one component: its fields, process routine and properties. */
    struct DescribedComponent
    {
        enum class FieldKind { audioIn, audioOut, bufferLength, dataPort, privateData };
        struct Field { FieldKind kind; uint32_t size; };

        std::map<AAX_CFieldIndex, Field> fields;
        AAX_CProcessProc process = nullptr;
        IACFUnknown* properties = nullptr;
    };

    /** What the host's controller and transport answer, with 0, once a session sets them. */
    struct SessionAnswers
    {
        float sampleRate = 44100.0f;
        AAX_EStemFormat inputStemFormat = 2;
        AAX_EStemFormat outputStemFormat = 2;
        double tempo = 120.0;
    };

    /** An interface offered by a host object; counts references and forwards queries to its object. */
    class InterfaceBase
    {
    public:
        InterfaceBase (Host& h, std::string n) : host (h), name (std::move (n)) {}
        virtual ~InterfaceBase() = default;

        virtual IACFUnknown* asUnknown() = 0;

        /** Adds this interface's name to the host's record of releases. */
        void noteRelease();

        Host& host;
        const std::string name;
        int adds = 0;
        int releases = 0;
    };

    /** A host object: a set of interfaces reached from one another by identifier. */
    class HostObject
    {
    public:
        HostObject (Host& h) : host (h) {}
        virtual ~HostObject() = default;

        ACFRESULT query (const acfIID& iid, void** out);

        void offer (const acfIID& iid, InterfaceBase& face)     { offered.push_back ({ iid, &face }); }
        std::vector<InterfaceBase*> interfaces() const;

    private:
        Host& host;
        std::vector<std::pair<acfIID, InterfaceBase*>> offered;
    };

    template <typename Interface>
    class FakeInterface : public Interface,
                          public InterfaceBase
    {
    public:
        FakeInterface (HostObject& o, Host& h, std::string n) : InterfaceBase (h, std::move (n)), object (o) {}

        ACFRESULT QueryInterface (const acfIID& iid, void** out) override      { return object.query (iid, out); }
        acfUInt32 AddRef() override                                             { return static_cast<acfUInt32> (++adds - releases); }
        acfUInt32 Release() override
        {
            noteRelease();
            return static_cast<acfUInt32> (adds - ++releases);
        }
        IACFUnknown* asUnknown() override                                       { return this; }

    protected:
        template <typename... Args>
        AAX_Result log (const char* operation, const Args&... args) const;

        /** Records the call; in a session, stores the session's answer and returns 0. */
        template <typename Value>
        AAX_Result answer (const char* operation, Value* out, Value SessionAnswers::* value) const;

        HostObject& object;
    };

    /** The host: its own object offers the component factory, the controller, automation
        delegate, transport and view container; the factory makes further objects.
    */
    class Host : public HostObject
    {
    public:
        Host();
        ~Host() override;

        /** The host object as the plug-in receives it. */
        IACFUnknown* unknown();

        /** Makes queries for this identifier fail. */
        void withhold (const acfIID& iid)               { withheld.insert (key (iid)); }

        /** Makes queries for this identifier succeed without giving an interface. */
        void answerWithoutInterface (const acfIID& iid) { emptyAnswers.insert (key (iid)); }

        bool isWithheld (const acfIID& iid) const       { return withheld.count (key (iid)) > 0; }
        bool answersEmpty (const acfIID& iid) const     { return emptyAnswers.count (key (iid)) > 0; }

        /** Creates a component as the factory's create operation does; null for an unknown class. */
        HostObject* makeComponent (const acfCLSID& clsid);

        /** Every interface of every object, the host's own first. */
        std::vector<InterfaceBase*> allInterfaces() const;

        /** The interfaces whose AddRef and Release counts differ, by name. */
        std::vector<std::string> unbalancedInterfaces() const;

        /** The interface of this name made most recently, or null. */
        InterfaceBase* findInterface (const std::string& name) const;

        /** Number of calls of an operation on an interface. */
        int countCalls (const std::string& interfaceName, const std::string& operation) const;

        /** The most recent call of an operation, or null. */
        const Call* lastCall (const std::string& interfaceName, const std::string& operation) const;

        /** Guards the records below, which host threads of a test may fill at once. */
        std::mutex recordLock;

        std::vector<Call> calls;
        std::vector<std::string> createdClasses;
        std::vector<std::string> releaseOrder;

        /** The payload of the last packet posted to each port. */
        std::map<AAX_CFieldIndex, std::vector<char>> packets;

        /** The creation functions the description registered, by selector. */
        std::map<AAX_CProcPtrID, void*> procPointers;

        /** Every component described, in the order they were made. */
        std::vector<std::pair<const HostObject*, DescribedComponent>> components;
        DescribedComponent& componentOf (const HostObject& object);

        /** The properties held by the property map of this interface, or null. */
        const std::map<AAX_EProperty, int32_t>* propertiesOf (IACFUnknown* map) const;

        std::optional<SessionAnswers> answers;

        /** Every set-value request, in order: identifier and normalized value. */
        std::vector<std::pair<std::string, double>> setRequests;

        /** What every host operation returns, so a test can tell it was passed back unchanged. */
        static constexpr AAX_Result hostResult = 4711;

        /** What the host's view container returns from GetType and GetPtr. */
        static constexpr int32_t viewType = 3;
        int32_t containerType = viewType;
        int nativeView = 0;
        void* nativeViewPointer = &nativeView;

        /** The effect's data model, which a GUI finds through the host object; none by default. */
        IACFUnknown* effectParameters = nullptr;

        /** Texts the host writes into an AAX_IString. */
        static constexpr const char* effectID = "com.vardun.stand-in";
        static constexpr const char* hostName = "Stand-in Host";

    private:
        static std::string key (const acfIID& iid);

        struct OwnInterfaces;
        std::unique_ptr<OwnInterfaces> own;
        std::vector<std::unique_ptr<HostObject>> madeObjects;
        std::set<std::string> withheld, emptyAnswers;
    };

    template <typename Interface>
    template <typename Value>
    AAX_Result FakeInterface<Interface>::answer (const char* operation, Value* out, Value SessionAnswers::* value) const
    {
        const auto result = log (operation, out);

        if (! host.answers.has_value())
            return result;

        *out = *host.answers.*value;
        return AAX_SUCCESS;
    }

    inline void InterfaceBase::noteRelease()     { host.releaseOrder.push_back (name); }

    template <typename Interface>
    template <typename... Args>
    AAX_Result FakeInterface<Interface>::log (const char* operation, const Args&... args) const
    {
        const std::lock_guard<std::mutex> lock (host.recordLock);
        host.calls.push_back ({ name, operation, describeAll (args...) });
        return Host::hostResult;
    }
}
