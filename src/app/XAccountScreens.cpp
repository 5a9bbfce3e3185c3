#include "XAccountScreens.h"

#include "XAppDelegate.h"
#include "accounts/XConfirmEmailViewController.h"
#include "accounts/XResetPasswordViewController.h"
#include "accounts/XSigninViewController.h"
#include "accounts/XSignupViewController.h"

void XInstallAccountScreens(XAppDelegate& delegate, XPlatform& platform, XAccountService& service)
{
    XAppDelegate* d = &delegate;
    delegate.setAccountScreenFactory([d, &platform, &service](XAppDelegate::AccountScreen screen)
                                         -> std::unique_ptr<QWidget> {
        switch (screen) {
        case XAppDelegate::AccountScreen::Signin: {
            auto signin = std::make_unique<XSigninViewController>(platform, service);
            QObject::connect(signin.get(), &XSigninViewController::goToMainView, d, &XAppDelegate::goToMainView);
            QObject::connect(signin.get(), &XSigninViewController::goToSignupView, d, &XAppDelegate::goToSignupView);
            QObject::connect(signin.get(), &XSigninViewController::goToConfirmEmailView, d,
                             &XAppDelegate::goToConfirmEmailView);
            return signin;
        }
        case XAppDelegate::AccountScreen::Signup: {
            auto signup = std::make_unique<XSignupViewController>(platform, service);
            QObject::connect(signup.get(), &XSignupViewController::goToSigninView, d, &XAppDelegate::goToSigninView);
            return signup;
        }
        case XAppDelegate::AccountScreen::ConfirmEmail: {
            auto confirm = std::make_unique<XConfirmEmailViewController>(platform, service);
            QObject::connect(confirm.get(), &XConfirmEmailViewController::goToSigninView, d,
                             &XAppDelegate::goToSigninView);
            QObject::connect(confirm.get(), &XConfirmEmailViewController::goToResetPasswordView, d,
                             &XAppDelegate::goToResetPasswordView);
            return confirm;
        }
        case XAppDelegate::AccountScreen::ResetPassword: {
            auto reset = std::make_unique<XResetPasswordViewController>(platform, service);
            QObject::connect(reset.get(), &XResetPasswordViewController::goToSigninView, d,
                             &XAppDelegate::goToSigninView);
            return reset;
        }
        }
        return nullptr;
    });
}
