<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>XAccountReply</name>
    <message>
        <source>Cannot reach the account service</source>
        <translation>Cannot reach the account service</translation>
    </message>
    <message>
        <source>The account service cannot be trusted</source>
        <translation>The account service cannot be trusted</translation>
    </message>
    <message>
        <source>The account service does not answer</source>
        <translation>The account service does not answer</translation>
    </message>
    <message>
        <source>The account service reported an error</source>
        <translation>The account service reported an error</translation>
    </message>
    <message>
        <source>The account service sent an unreadable reply</source>
        <translation>The account service sent an unreadable reply</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Start the local account service (run tableclick-accountd in a terminal, or systemctl --user start tableclick-accountd), then try again.</source>
        <translation>Nothing answers at %1. Start the local account service (run tableclick-accountd in a terminal, or systemctl --user start tableclick-accountd), then try again.</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Check your connection, or start the service, and try again.</source>
        <translation>Nothing answers at %1. Check your connection, or start the service, and try again.</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: its certificate is not the one Tableclick trusts, or it is invalid. Nothing was sent.</source>
        <translation>The secure connection to %1 failed: its certificate is not the one Tableclick trusts, or it is invalid. Nothing was sent.</translation>
    </message>
    <message>
        <source>%1 did not answer within 15 seconds. Try again later.</source>
        <translation>%1 did not answer within 15 seconds. Try again later.</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2. Try again later.</source>
        <translation>%1 answered with HTTP status %2. Try again later.</translation>
    </message>
    <message>
        <source>The reply from %1 is not what Tableclick expects. Is the service address right?</source>
        <translation>The reply from %1 is not what Tableclick expects. Check that the service address is right.</translation>
    </message>
</context>
<context>
    <name>XAccountRequester</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>XAccountService</name>
    <message>
        <source>The local account service sends no real mail: it is a file in %1.</source>
        <translation>The local account service sends no real mail: you find the mail as a file in %1.</translation>
    </message>
</context>
<context>
    <name>XConfirmEmailViewController</name>
    <message>
        <source>Forgot your password?</source>
        <translation>Forgot your password?</translation>
    </message>
    <message>
        <source>We will mail a verification code to your address.</source>
        <translation>We will mail a verification code to your address.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Send the code</source>
        <translation>Send the code</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Confirm Email Failed!</source>
        <translation>Code not sent</translation>
    </message>
    <message>
        <source>You must complete Your E-Mail fields.</source>
        <translation>Type your e-mail address.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm Email Success</source>
        <translation>Code sent</translation>
    </message>
    <message>
        <source>We&apos;ve sent a verification code to your Email. Please check and reset password!</source>
        <translation>We have sent a verification code to your e-mail. Type it on the next screen, with a new password.</translation>
    </message>
    <message>
        <source>Incorrect your E-mail.</source>
        <translation>No code could be sent to this e-mail address. Check the address and try again.</translation>
    </message>
</context>
<context>
    <name>XResetPasswordViewController</name>
    <message>
        <source>New password</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>Type the code from the mail and a new password.</source>
        <translation>Type the code from the mail and a new password.</translation>
    </message>
    <message>
        <source>Verification Code</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>At least 8 characters, at least one of them a digit</source>
        <translation>At least 8 characters, at least one of them a digit</translation>
    </message>
    <message>
        <source>Set the password</source>
        <translation>Set the password</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Reset Password Failed!</source>
        <translation>Password not set</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>Fill in all fields.</translation>
    </message>
    <message>
        <source>Reset Password Success</source>
        <translation>Password set</translation>
    </message>
    <message>
        <source>New Password has updated successful!</source>
        <translation>Your new password is set. Sign in with it.</translation>
    </message>
    <message>
        <source>Incorrect verification Code or Email.</source>
        <translation>The verification code or the e-mail address is wrong. Check both and try again.</translation>
    </message>
    <message>
        <source>At least 1 number and minimum 8 letters !</source>
        <translation>The password needs at least 8 characters, at least one of them a digit.</translation>
    </message>
</context>
<context>
    <name>XServiceText</name>
    <message>
        <source>A password needs at least 8 characters and at least 1 digit.</source>
        <translation>A password needs at least 8 characters, at least one of them a digit.</translation>
    </message>
    <message>
        <source>Account created. A confirmation link is on its way to your e-mail.</source>
        <translation>Account created. A confirmation link is on its way to your e-mail.</translation>
    </message>
    <message>
        <source>This user name is taken.</source>
        <translation>This user name is taken. Choose another one.</translation>
    </message>
    <message>
        <source>Too many failed sign-ins for this account. Please try again in %1 s.</source>
        <translation>Too many failed sign-ins for this account. Try again in %1 seconds.</translation>
    </message>
    <message>
        <source>Too many failed sign-ins. Please try again later.</source>
        <translation>Too many failed sign-ins. Try again later.</translation>
    </message>
    <message>
        <source>Incorrect e-mail or password.</source>
        <translation>The e-mail address or the password is wrong. Check both and try again.</translation>
    </message>
    <message>
        <source>The account&apos;s e-mail address is not confirmed yet.</source>
        <translation>The account&apos;s e-mail address is not confirmed yet. Open the link in the confirmation mail, then sign in.</translation>
    </message>
    <message>
        <source>Signed in.</source>
        <translation>Signed in.</translation>
    </message>
    <message>
        <source>If an account uses this address, a verification code is on its way.</source>
        <translation>If an account uses this address, a verification code is on its way to it.</translation>
    </message>
    <message>
        <source>Incorrect verification code or e-mail.</source>
        <translation>The verification code or the e-mail address is wrong. Check both and try again.</translation>
    </message>
    <message>
        <source>The new password is set.</source>
        <translation>Your new password is set. Sign in with it.</translation>
    </message>
    <message>
        <source>Malformed request.</source>
        <translation>The service could not read the request. Try again.</translation>
    </message>
    <message>
        <source>Server error. Please try again later.</source>
        <translation>The service had an error. Try again later.</translation>
    </message>
    <message>
        <source>A field holds bytes that are not UTF-8 text; passwords and names must be valid UTF-8.</source>
        <translation>A field holds bytes that are not UTF-8 text; passwords and names must be valid UTF-8.</translation>
    </message>
    <message>
        <source>Request too large.</source>
        <translation>The request is too large.</translation>
    </message>
    <message>
        <source>Request not completed in time.</source>
        <translation>The request did not arrive in time. Try again.</translation>
    </message>
    <message>
        <source>Too many requests. Please slow down.</source>
        <translation>Too many requests. Wait a moment, then try again.</translation>
    </message>
    <message>
        <source>Only GET is served here.</source>
        <translation>The service only answers GET requests here.</translation>
    </message>
    <message>
        <source>Nothing is served at this path.</source>
        <translation>The service has nothing at this address.</translation>
    </message>
    <message>
        <source>The service is busy. Please try again.</source>
        <translation>The service is busy. Try again in a moment.</translation>
    </message>
</context>
<context>
    <name>XSigninViewController</name>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Sign in to your Tableclick account.</source>
        <translation>Sign in to your Tableclick account.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Forgot your password?</translation>
    </message>
    <message>
        <source>No account yet? Sign up</source>
        <translation>No account yet? Sign up</translation>
    </message>
    <message>
        <source>Login Failed!</source>
        <translation>Sign-in failed</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>Fill in all fields.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Incorrect username or password.
*If confirmation E-mail hasn&apos;t confirmed, it&apos;ll create an Error Log-in Message.</source>
        <translation>The e-mail address or the password is wrong.
If you have just signed up, open the link in the confirmation mail first, then sign in.</translation>
    </message>
</context>
<context>
    <name>XSignupViewController</name>
    <message>
        <source>Sign up</source>
        <translation>Sign up</translation>
    </message>
    <message>
        <source>Create a Tableclick account.</source>
        <translation>Create a Tableclick account.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>At least 8 characters, at least one of them a digit</source>
        <translation>At least 8 characters, at least one of them a digit</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Password again</translation>
    </message>
    <message>
        <source>I agree to the terms of use</source>
        <translation>I agree to the terms of use</translation>
    </message>
    <message>
        <source>Read the terms of use</source>
        <translation>Read the terms of use</translation>
    </message>
    <message>
        <source>Back to sign in</source>
        <translation>Back to sign in</translation>
    </message>
    <message>
        <source>Register Failed!</source>
        <translation>Sign-up failed</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>Fill in all fields.</translation>
    </message>
    <message>
        <source>Your entered passwords does not match.</source>
        <translation>The two passwords differ. Type the same password twice.</translation>
    </message>
    <message>
        <source>Please check term and condition.</source>
        <translation>Tick “I agree to the terms of use”, then sign up.</translation>
    </message>
    <message>
        <source>Register Success</source>
        <translation>Account created</translation>
    </message>
    <message>
        <source>You have successfully registered a new account. We&apos;ve sent you a Email. Please click on the confirmation link to verify your account!</source>
        <translation>Your account is created. We have sent you an e-mail: open the confirmation link in it, then sign in.</translation>
    </message>
    <message>
        <source>Server Error</source>
        <translation>The account could not be created. Try again later.</translation>
    </message>
    <message>
        <source>Username is already exist. Please retry again with another Username.</source>
        <translation>This user name is taken. Choose another one.</translation>
    </message>
    <message>
        <source>Email is already exist. Please retry again with another Email.</source>
        <translation>This e-mail address already has an account. Sign in, or use another address.</translation>
    </message>
    <message>
        <source>At least 1 number and minimum 8 letters !</source>
        <translation>The password needs at least 8 characters, at least one of them a digit.</translation>
    </message>
</context>
</TS>
