#include "FakeHostInterfaces.h"

#include "AAX_UIDs.h"

#include <algorithm>
#include <cstdio>

namespace fakehost
{
    ACFRESULT HostObject::query (const acfIID& iid, void** out)
    {
        *out = nullptr;

        if (host.answersEmpty (iid))
            return AAX_SUCCESS;

        if (host.isWithheld (iid))
            return ACF_E_NOINTERFACE;

        if (this == &host && host.effectParameters != nullptr && iid == IID_IAAXEffectParametersV1)
            return host.effectParameters->QueryInterface (iid, out);

        for (auto& [offeredIID, face] : offered)
        {
            if (offeredIID == iid)
            {
                auto* unknown = face->asUnknown();
                unknown->AddRef();
                *out = unknown;
                return AAX_SUCCESS;
            }
        }

        return ACF_E_NOINTERFACE;
    }

    std::vector<InterfaceBase*> HostObject::interfaces() const
    {
        std::vector<InterfaceBase*> faces;

        for (auto& entry : offered)
            faces.push_back (entry.second);

        return faces;
    }

    /** A host object made by the component factory; owns its interfaces. */
    class Component : public HostObject
    {
    public:
        using HostObject::HostObject;

        template <typename Face, typename... Extra>
        void add (Host& host, const acfIID& iid, const std::string& name, Extra&... extra)
        {
            faces.push_back (std::make_unique<Face> (*this, host, name, extra...));
            offer (iid, *faces.back());
        }

        PropertyStore properties;

    private:
        std::vector<std::unique_ptr<InterfaceBase>> faces;
    };

    struct Host::OwnInterfaces
    {
        explicit OwnInterfaces (Host& h)
            : factory (h, h, "factory"),
              controller1 (h, h, "controller.v1"), controller2 (h, h, "controller.v2"), controller3 (h, h, "controller.v3"),
              automation (h, h, "automation.v1"),
              transport1 (h, h, "transport.v1"), transport2 (h, h, "transport.v2"),
              view1 (h, h, "view.v1"), view2 (h, h, "view.v2")
        {
            h.offer (IID_IACFComponentFactory, factory);
            h.offer (IID_IAAXControllerV1, controller1);
            h.offer (IID_IAAXControllerV2, controller2);
            h.offer (IID_IAAXControllerV3, controller3);
            h.offer (IID_IAAXAutomationDelegateV1, automation);
            h.offer (IID_IAAXTransportV1, transport1);
            h.offer (IID_IAAXTransportV2, transport2);
            h.offer (IID_IAAXViewContainerV1, view1);
            h.offer (IID_IAAXViewContainerV2, view2);
        }

        ComponentFactory factory;
        ControllerV1 controller1;
        ControllerV2 controller2;
        ControllerV3 controller3;
        AutomationDelegateV1 automation;
        TransportV1 transport1;
        TransportV2 transport2;
        ViewContainerV1 view1;
        ViewContainerV2 view2;
    };

    Host::Host()
        : HostObject (*this),
          own (std::make_unique<OwnInterfaces> (*this))
    {
    }

    Host::~Host() = default;

    IACFUnknown* Host::unknown()
    {
        return &own->factory;
    }

    HostObject* Host::makeComponent (const acfCLSID& clsid)
    {
        auto component = std::make_unique<Component> (*this);

        if (clsid == AAXCompID_AAXCollection)
        {
            createdClasses.push_back ("collection");
            component->add<CollectionV1> (*this, IID_IAAXCollectionV1, "collection.v1");
            component->add<PluginDefinition> (*this, IID_IACFPluginDefinition, "plugin-definition");
        }
        else if (clsid == AAXCompID_AAXEffectDescriptor)
        {
            createdClasses.push_back ("effect-descriptor");
            component->add<EffectDescriptorV1> (*this, IID_IAAXEffectDescriptorV1, "effect-descriptor.v1");
            component->add<EffectDescriptorV2> (*this, IID_IAAXEffectDescriptorV2, "effect-descriptor.v2");
        }
        else if (clsid == AAXCompID_AAXComponentDescriptor)
        {
            createdClasses.push_back ("component-descriptor");
            component->add<ComponentDescriptorV1> (*this, IID_IAAXComponentDescriptorV1, "component-descriptor.v1");
            component->add<ComponentDescriptorV2> (*this, IID_IAAXComponentDescriptorV2, "component-descriptor.v2");
        }
        else if (clsid == AAXCompID_AAXPropertyMap)
        {
            createdClasses.push_back ("property-map");
            component->add<PropertyMapV1> (*this, IID_IAAXPropertyMapV1, "property-map.v1", component->properties);
            component->add<PropertyMapV2> (*this, IID_IAAXPropertyMapV2, "property-map.v2", component->properties);
        }
        else if (clsid == AAXCompID_HostServices)
        {
            createdClasses.push_back ("host-services");
            component->add<HostServicesV1> (*this, IID_IAAXHostServicesV1, "host-services.v1");
            component->add<HostServicesV2> (*this, IID_IAAXHostServicesV2, "host-services.v2");
        }
        else
        {
            return nullptr;
        }

        madeObjects.push_back (std::move (component));
        return madeObjects.back().get();
    }

    std::vector<InterfaceBase*> Host::allInterfaces() const
    {
        auto faces = interfaces();

        for (auto& object : madeObjects)
            for (auto* face : object->interfaces())
                faces.push_back (face);

        return faces;
    }

    std::vector<std::string> Host::unbalancedInterfaces() const
    {
        std::vector<std::string> names;

        for (auto* face : allInterfaces())
            if (face->adds != face->releases)
                names.push_back (face->name + " +" + std::to_string (face->adds) + " -" + std::to_string (face->releases));

        return names;
    }

    InterfaceBase* Host::findInterface (const std::string& name) const
    {
        InterfaceBase* found = nullptr;

        for (auto* face : allInterfaces())
            if (face->name == name)
                found = face;

        return found;
    }

    int Host::countCalls (const std::string& interfaceName, const std::string& operation) const
    {
        return static_cast<int> (std::count_if (calls.begin(), calls.end(), [&] (const Call& c)
        {
            return c.interfaceName == interfaceName && c.operation == operation;
        }));
    }

    const Call* Host::lastCall (const std::string& interfaceName, const std::string& operation) const
    {
        for (auto c = calls.rbegin(); c != calls.rend(); ++c)
            if (c->interfaceName == interfaceName && c->operation == operation)
                return &*c;

        return nullptr;
    }

    DescribedComponent& Host::componentOf (const HostObject& object)
    {
        for (auto& entry : components)
            if (entry.first == &object)
                return entry.second;

        components.push_back ({ &object, {} });
        return components.back().second;
    }

    const std::map<AAX_EProperty, int32_t>* Host::propertiesOf (IACFUnknown* map) const
    {
        for (auto* face : allInterfaces())
            if (auto* propertyMap = dynamic_cast<PropertyMapV1*> (face))
                if (propertyMap->asUnknown() == map)
                    return &propertyMap->properties();

        return nullptr;
    }

    std::string Host::key (const acfIID& iid)
    {
        return std::string (reinterpret_cast<const char*> (&iid), sizeof (iid));
    }
}
