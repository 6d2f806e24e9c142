SELECT Customers.CustomerID, Customers.CompanyName, Customers.ContactName, Customers.Address, Customers.City, Customers.Region, Customers.PostalCode, Customers.Country INTO [Customer Mailing List]
FROM Customers
WHERE (((Customers.Active)=True));
